#include "bridge/hardware/cupdispenser.h"
#include "core/configuration/configuration.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <limits>
#include <QSignalSpy>
#include <tuple>

namespace {

using LeaCupDispenser = lea::hardware::CupDispenser;
using Settings = LeaCupDispenser::Settings;

auto fields(const Settings& s)
{
    return std::make_tuple(s.cupSettlingTime, s.waitingCupPresenceTime);
}

constexpr int64_t kLargest = std::numeric_limits<int>::max() / 10;
constexpr int64_t kSmallest = std::numeric_limits<int>::min() / 10;

class CupDispenserTest : public SettingsAccessorTest<LeaCupDispenser, bridge::hardware::CupDispenser>
{
protected:
    CupDispenserSettings* core() const { return machine().core().configuration()->cupDispenserSettings(); }
    ErogationManager* erogationManager() const { return gCoreEnv->machine()->erogationManager(); }
};

TEST_F(CupDispenserTest, BothTimingsRoundTripAndTheMachineHoldsTenTimesThem)
{
    EXPECT_EQ(fields(accessor->settings()), fields(Settings {}));
    QSignalSpy sent(erogationManager(), &ErogationManager::cupDispenserParametersSent);
    for (const Settings& settings : { Settings { 15, 0 }, Settings { 0, 300 },
             Settings { kLargest, kSmallest }, Settings { kSmallest, kLargest }, Settings { -1, 1 } }) {
        accessor->setSettings(settings);
        reload();
        EXPECT_EQ(fields(accessor->settings()), fields(settings));
        EXPECT_EQ(int64_t(core()->cupSettlingTime()), settings.cupSettlingTime * 10);
        EXPECT_EQ(int64_t(core()->waitingCupPresenceTime()), settings.waitingCupPresenceTime * 10);
    }
    EXPECT_EQ(sent.size(), 5);
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

// The machine's own values need not be multiples of ten: reading divides toward zero.
TEST_F(CupDispenserTest, ReadingDividesTheMachinesValuesTowardZero)
{
    core()->setCupSettlingTime(19);
    core()->setWaitingCupPresenceTime(-19);
    EXPECT_EQ(fields(accessor->settings()), fields(Settings { 1, -1 }));
}

struct ChangeCase
{
    const char* name;
    Settings settings;
    int settlingSignals;
    int waitingSignals;
};

class CupDispenserChangeTest : public CupDispenserTest, public ::testing::WithParamInterface<ChangeCase>
{
};

TEST_P(CupDispenserChangeTest, AnnouncesOnlyWhatChangedButAlwaysSavesAndSends)
{
    accessor->setSettings({ 2, 3 });
    QSignalSpy settling(core(), &CupDispenserSettings::cupSettlingTimeChanged);
    QSignalSpy waiting(core(), &CupDispenserSettings::waitingCupPresenceTimeChanged);
    QSignalSpy sent(erogationManager(), &ErogationManager::cupDispenserParametersSent);
    store().setValue(QStringLiteral("cupDispenser/cupSettlingTime"), QJsonValue(QJsonValue::Undefined));
    ASSERT_FALSE(store().contains(QStringLiteral("cupDispenser/cupSettlingTime")));

    accessor->setSettings(GetParam().settings);
    EXPECT_EQ(settling.size(), GetParam().settlingSignals);
    EXPECT_EQ(waiting.size(), GetParam().waitingSignals);
    EXPECT_EQ(sent.size(), 1);
    EXPECT_EQ(store().value(QStringLiteral("cupDispenser/cupSettlingTime")).toInt(),
        GetParam().settings.cupSettlingTime * 10);
}

const ChangeCase changeCases[] = {
    { "Unchanged", { 2, 3 }, 0, 0 },
    { "SettlingOnly", { 4, 3 }, 1, 0 },
    { "WaitingOnly", { 2, 5 }, 0, 1 },
    { "Both", { 4, 5 }, 1, 1 },
};
INSTANTIATE_TEST_SUITE_P(
    Changes, CupDispenserChangeTest, ::testing::ValuesIn(changeCases), caseName<ChangeCase>);

// Ten times these does not fit the machine's integers: refused, not cut.
TEST_F(CupDispenserTest, ATimingTheMachineCannotHoldIsRefusedWithBothKept)
{
    accessor->setSettings({ 7, 8 });
    QSignalSpy sent(erogationManager(), &ErogationManager::cupDispenserParametersSent);
    QSignalSpy settling(core(), &CupDispenserSettings::cupSettlingTimeChanged);
    clearLog();
    const Settings refused[]
        = { { kLargest + 1, 1 }, { 1, kSmallest - 1 }, { std::numeric_limits<int64_t>::max(), 1 },
              { 1, std::numeric_limits<int64_t>::min() }, { (int64_t(1) << 32) | 1, 1 } };
    for (const Settings& settings : refused) {
        accessor->setSettings(settings);
        EXPECT_EQ(fields(accessor->settings()), fields(Settings { 7, 8 }));
    }
    EXPECT_EQ(sent.size(), 0);
    EXPECT_EQ(settling.size(), 0);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Cup dispenser time out of range")).size(),
        int(std::size(refused)));
    reload();
    EXPECT_EQ(fields(accessor->settings()), fields(Settings { 7, 8 }));
}

TEST_F(CupDispenserTest, ARefusedSaveKeepsBothTimingsAnnouncesAndSendsNothing)
{
    accessor->setSettings({ 7, 8 });
    QSignalSpy sent(erogationManager(), &ErogationManager::cupDispenserParametersSent);
    QSignalSpy settling(core(), &CupDispenserSettings::cupSettlingTimeChanged);
    QSignalSpy waiting(core(), &CupDispenserSettings::waitingCupPresenceTimeChanged);
    expectRefusedSaveKeeps(
        QStringLiteral("cupDispenser/waitingCupPresenceTime"),
        QStringLiteral("Failed to save cup dispenser settings"),
        [&] {
            accessor->setSettings({ 1, 2 });
        },
        [&] { return fields(accessor->settings()); });
    EXPECT_EQ(sent.size() + settling.size() + waiting.size(), 0);
}

using CupDispenser = bridge::hardware::CupDispenser;
const GuardCase<CupDispenser> kGuarded[] = {
    { "settings", [](CupDispenser& d) { return fields(d.settings()) == fields(Settings {}); } },
    { "setSettings",
        [](CupDispenser& d) {
            QSignalSpy sent(
                gCoreEnv->machine()->erogationManager(), &ErogationManager::cupDispenserParametersSent);
            d.setSettings({ 1, 2 });
            return sent.isEmpty()
                && !gCoreEnv->configurationGroup()->settingsStore()->contains(
                    QStringLiteral("cupDispenser/cupSettlingTime"));
        } },
};
GUARD_TEST(CupDispenserGuard, LeaCupDispenser, CupDispenser, kGuarded);

} // namespace
