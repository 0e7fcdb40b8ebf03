#include "bridge/statistics/cleaningevents.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "lea/maintenance/cleaning.h"
#include "support/guardtest.h"
#include "support/machineaccessortest.h"

#include <tuple>
#include <vector>

namespace {

namespace lm = lea::maintenance;
namespace ls = lea::statistics;
using Event = ls::CleaningEvents::CleaningEvent;
using EventFields = std::tuple<lm::RinsingType, uint32_t, bool, ls::CleaningMode, ls::CleaningStatus>;

EventFields fields(const Event& e)
{
    return std::make_tuple(e.type, e.time, e.remote, e.mode, e.status);
}

class CleaningEventsTest : public MachineAccessorTest<ls::CleaningEvents, bridge::statistics::CleaningEvents>
{
protected:
    void prepare() override
    {
        loadConfiguration();
        gCoreEnv->clock()->setSimulatedTime(QDateTime::fromSecsSinceEpoch(kStart, Qt::UTC));
    }
    void SetUp() override
    {
        MachineAccessorTest::SetUp();
        // The signal passes its record by non-const reference: a spy cannot hold it.
        QObject::connect(accessor.get(), &ls::CleaningEvents::cleaningEventData,
            [this](Event& event) { received.push_back(fields(event)); });
    }

    static Machine& machine() { return *gCoreEnv->machine(); }

    static constexpr qint64 kStart = 1'700'000'000;
    std::vector<EventFields> received;
};

TEST_F(CleaningEventsTest, AStartedCleaningCycleIsReportedInOrderOnTheMachineClock)
{
    const auto cleaning = createAccessor<lm::Cleaning>();
    cleaning->startCleaning(lm::Rinsing15, 20u);
    gCoreEnv->clock()->advanceSeconds(90);
    machine().finishCleaning();
    const uint32_t start = uint32_t(kStart);
    EXPECT_EQ(received,
        (std::vector<EventFields> { { lm::Rinsing15, start, false, ls::Manual, ls::Started },
            { lm::Rinsing15, start, false, ls::Manual, ls::Running },
            { lm::Rinsing15, start + 90, false, ls::Manual, ls::Finished } }));
    EXPECT_TRUE(accessor->cleanings().empty());
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

struct CoreEvent
{
    const char* name;
    CleaningSettings::RinsingType type;
    CleaningSettings::RinsingMode mode;
    CleaningSettings::RinsingState state;
    bool remote;
    /// What the interface receives; nothing, and a log entry, when absent.
    nonstd::optional<std::tuple<lm::RinsingType, ls::CleaningMode, ls::CleaningStatus>> relayed;
    const char* logged;
};

const CoreEvent kCoreEvents[] = {
    { "Scheduled", CleaningSettings::Rinsing0, CleaningSettings::ScheduledMode,
        CleaningSettings::RinsingRequested, true, std::make_tuple(lm::Rinsing0, ls::Scheduled, ls::Requested),
        nullptr },
    { "LastModeAndState", CleaningSettings::Rinsing13, CleaningSettings::WarningMode,
        CleaningSettings::RinsingAborted, false, std::make_tuple(lm::Rinsing16, ls::Warning, ls::Aborted),
        nullptr },
    { "Inactivity", CleaningSettings::Rinsing14, CleaningSettings::InactivityMode,
        CleaningSettings::RinsingFinished, true, std::make_tuple(lm::Rinsing15, ls::Inactivity, ls::Finished),
        nullptr },
    { "ModeZero", CleaningSettings::Rinsing1, CleaningSettings::NoMode, CleaningSettings::RinsingStarted,
        false, nonstd::nullopt, "Invalid internal enum value 0 (" },
    { "UnknownType", CleaningSettings::RinsingType(15), CleaningSettings::ManualMode,
        CleaningSettings::RinsingStarted, false, nonstd::nullopt, "Invalid internal enum value 15 (" },
    { "UnknownState", CleaningSettings::Rinsing1, CleaningSettings::ManualMode,
        CleaningSettings::RinsingState(5), false, nonstd::nullopt, "Invalid internal enum value 5 (" },
};

class CleaningEventsRelay : public CleaningEventsTest, public ::testing::WithParamInterface<CoreEvent>
{
};

TEST_P(CleaningEventsRelay, ConvertsEachValueOrLogsAndEmitsNothing)
{
    const CoreEvent& event = GetParam();
    EXPECT_NO_THROW(machine().reportCleanRinseEvent(event.type, event.mode, event.state, event.remote));
    if (event.relayed) {
        const auto [type, mode, status] = *event.relayed;
        EXPECT_EQ(
            received, (std::vector<EventFields> { { type, uint32_t(kStart), event.remote, mode, status } }));
        EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
        return;
    }
    EXPECT_TRUE(received.empty());
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Warning);
    EXPECT_TRUE(entries[0].items.value(0).contains(QStringLiteral("CleaningEvents::cleaningEventDetected(")));
    EXPECT_TRUE(entries[0].items.value(1).contains(QLatin1String(event.logged)))
        << qPrintable(entries[0].text);
}

INSTANTIATE_TEST_SUITE_P(Events, CleaningEventsRelay, ::testing::ValuesIn(kCoreEvents), caseName<CoreEvent>);

TEST_F(CleaningEventsTest, TheTimeKeepsTheLow32BitsOfTheSecondsSinceTheEpoch)
{
    const qint64 seconds = (qint64(1) << 32) + 7;
    gCoreEnv->clock()->setSimulatedTime(QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).addMSecs(999));
    machine().reportCleanRinseEvent(
        CleaningSettings::Rinsing2, CleaningSettings::ManualMode, CleaningSettings::RinsingRunning, false);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(std::get<1>(received[0]), 7u);
}

using Accessor = bridge::statistics::CleaningEvents;
const GuardCase<Accessor> kGuarded[] = {
    { "cleanings", [](Accessor& a) { return a.cleanings().empty(); }, Guard::None },
};
GUARD_TEST(CleaningEventsGuard, ls::CleaningEvents, Accessor, kGuarded);

} // namespace
