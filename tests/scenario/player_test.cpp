#include "bridge/bridge.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "demo/scenario/scenarioplayer.h"
#include "demo/scenario/scenarioreader.h"
#include "demo/scenario/signalrecorder.h"
#include "support/machinetest.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

using scenario::ScenarioPlayer;
using scenario::ScenarioReader;

namespace {

// A scenario that has not finished by then hangs: the test fails instead of waiting on.
constexpr int kGuardMs = 20000;

const char kCatalogue[] = R"j("catalogue": {
    "canisters": [ { "name": "Beans", "ingredient": "CoffeeBeans", "grams": 500 } ],
    "recipes": [ { "name": "Lungo", "steps": [ { "type": "Espresso", "waterDose": 120,
        "ingredients": [ { "ingredient": "CoffeeBeans", "dose": 9 } ] } ] } ],
    "products": [ { "name": "Lungo", "recipe": "Lungo", "quickCode": 7, "price": 120 } ] },
)j";

class PlayerTest : public MachineTest
{
protected:
    /// A new machine on a new database, for one more scenario in the same test.
    void restart()
    {
        TearDown();
        QFile::remove(databasePath());
        SetUp();
    }

    struct Outcome
    {
        bool finished = false;
        bool passed = false;
        QString failure;
        QStringList lines;
        qint64 elapsedMs = 0;
    };

    Outcome play(const scenario::Scenario& scenario, int stepTimeoutMs = 2000)
    {
        bridge::Bridge bridge;
        ScenarioPlayer player(scenario, machine(), bridge);
        player.setStepTimeout(stepTimeoutMs);
        Outcome outcome;
        QEventLoop loop;
        QObject::connect(&player, &ScenarioPlayer::finished, &loop, [&](bool passed) {
            outcome.finished = true;
            outcome.passed = passed;
            loop.quit();
        });
        QTimer::singleShot(kGuardMs, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        player.start();
        if (player.isRunning())
            loop.exec();
        outcome.elapsedMs = clock.elapsed();
        outcome.failure = player.failure();
        outcome.lines = player.recorder().lines();
        return outcome;
    }

    static scenario::Scenario read(const QByteArray& timeline, bool withCatalogue = true)
    {
        const QByteArray text = QByteArray(R"j({ "name": "t", "description": "d",)j") + "\n"
            + (withCatalogue ? QByteArray(kCatalogue) : QByteArray()) + R"j("timeline": [)j" + "\n" + timeline
            + "\n] }";
        const auto result = ScenarioReader::read(text, QStringLiteral("t.json"));
        if (!result.scenario)
            ADD_FAILURE() << result.error.text().toStdString();
        return result.scenario.value_or(scenario::Scenario {});
    }
};

TEST_F(PlayerTest, AnExpectationNeverMetFailsTheScenarioNamingStepAndSignal)
{
    const auto outcome = play(read(R"j({ "event": "insertCoin", "value": 100 },
        { "event": "insertCoin", "value": 50, "expect": [ "Payments::creditChanged", "States::erogationStarted" ] },
        { "event": "buy" })j"),
        50);
    ASSERT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.failure,
        QStringLiteral("t.json:9: timeline[1]: not seen within 50 ms: States::erogationStarted"));
    // The third step never ran.
    EXPECT_FALSE(outcome.lines.contains(QStringLiteral("States::notEnoughCredit()")));
}

TEST_F(PlayerTest, ArgumentsAndStatesMustMatch)
{
    const struct
    {
        const char* step;
        const char* failure;
    } cases[] = {
        { R"j({ "event": "insertCoin", "value": 100, "expect": [ "Payments::moneyEvent(CoinIn, 50)" ] })j",
            "not seen within 50 ms: Payments::moneyEvent(CoinIn, 50)" },
        { R"j({ "event": "insertCoin", "value": 100, "credit": 50 })j",
            "not seen within 50 ms: credit 50 (the payments accessor reports 100)" },
        { R"j({ "event": "openDoor", "state": "Cleaning" })j",
            "not seen within 50 ms: state Cleaning (the states accessor reports Maintenance)" },
    };
    for (const auto& c : cases) {
        restart();
        const auto outcome = play(read(c.step), 50);
        EXPECT_FALSE(outcome.passed) << c.step;
        EXPECT_EQ(
            outcome.failure, QStringLiteral("t.json:8: timeline[0]: ") + QString::fromLatin1(c.failure));
    }
}

TEST_F(PlayerTest, AFailureDuringDispensingStopsTheVendAndKeepsTheCredit)
{
    const auto outcome = play(read(R"j({ "event": "insertCoin", "value": 200 },
        { "event": "selectQuickCode", "code": 7 },
        { "event": "buy", "state": "Dispensing", "credit": 80 },
        { "event": "raiseFailure", "failure": "Failure0", "expect": [ "States::erogationFailed" ],
          "credit": 200 },
        { "event": "wait", "ms": 60000, "forbid": [ "Delivery::productDelivered" ] },
        { "event": "clearFailure", "failure": "Failure0", "state": "Ready" })j"));
    EXPECT_TRUE(outcome.passed) << outcome.failure.toStdString();
    EXPECT_EQ(gCoreEnv->machine()->deliveryCount(), 0);
}

TEST_F(PlayerTest, AForbiddenSignalFailsTheStep)
{
    const auto outcome = play(read(R"j({ "event": "insertCoin", "value": 200 },
        { "event": "selectQuickCode", "code": 7 },
        { "event": "buy" },
        { "event": "wait", "ms": 60000, "forbid": [ "Delivery::productDelivered" ] })j"));
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.failure,
        QStringLiteral("t.json:11: timeline[3]: Delivery::productDelivered must not be seen"));
}

TEST_F(PlayerTest, SimulatedWaitsTakeNoRealTime)
{
    // A day of machine time, in steps of an hour, dispensing in between.
    QByteArray timeline
        = R"j({ "event": "insertCoin", "value": 200 }, { "event": "selectQuickCode", "code": 7 },
        { "event": "buy" })j";
    for (int hour = 0; hour < 24; ++hour)
        timeline += R"j(, { "event": "wait", "ms": 3600000 })j";
    const QDateTime before = QDateTime(QDate(2026, 1, 5), QTime(8, 0));
    const auto outcome = play(read(timeline));
    EXPECT_TRUE(outcome.passed) << outcome.failure.toStdString();
    EXPECT_LT(outcome.elapsedMs, 5000);
    EXPECT_EQ(gCoreEnv->clock()->now(), before.addDays(1));
    EXPECT_EQ(gCoreEnv->machine()->deliveryCount(), 1);
}

} // namespace
