#include "bridge/maintenance/cleaning.h"
#include "bridge/maintenance/inactivitycleaning.h"
#include "core/configuration/configuration.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"

#include <functional>
#include <limits>
#include <QSignalSpy>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {

namespace lm = lea::maintenance;

class CleaningTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
        clearLog();
    }

    static CleaningSettings& cleaningSettings() { return *gCoreEnv->configuration()->cleaningSettings(); }
};

TEST_F(CleaningTest, InactivityCleaningsAreListedInTheCoreOrder)
{
    const auto accessor = createAccessor<lm::InactivityCleaning>();
    EXPECT_TRUE(accessor->cleanings().empty());
    cleaningSettings().setInactivityCleanings({ { CleaningSettings::Rinsing2, true, 120, 30 },
        { CleaningSettings::Rinsing14, false, -1, std::numeric_limits<int>::max() },
        { CleaningSettings::Rinsing13, true, 0, std::numeric_limits<int>::min() } });
    const std::vector<lm::InactivityCleaning::Settings> read = accessor->cleanings();
    ASSERT_EQ(read.size(), 3u);
    const auto fields = [](const lm::InactivityCleaning::Settings& s) {
        return std::make_tuple(s.type, s.enabled, s.inactivityMinutes, s.amount);
    };
    EXPECT_EQ(fields(read[0]), std::make_tuple(lm::Rinsing2, true, 120, 30));
    EXPECT_EQ(fields(read[1]), std::make_tuple(lm::Rinsing15, false, -1, std::numeric_limits<int>::max()));
    EXPECT_EQ(fields(read[2]), std::make_tuple(lm::Rinsing16, true, 0, std::numeric_limits<int>::min()));
}

TEST_F(CleaningTest, WarningCleaningsCarryTheCoreValuesAndAFixedDayTimeAndAmount)
{
    const auto accessor = createAccessor<lm::Cleaning>();
    EXPECT_FALSE(accessor->hasCalendarCleaningFeature());
    cleaningSettings().setWarningCleanings({ { true, -5, 7, false, CleaningSettings::Rinsing11 },
        { false, std::numeric_limits<int>::max(), 0, true, CleaningSettings::Rinsing14 } });
    const std::vector<lm::Cleaning::Settings> read = accessor->cleanings();
    ASSERT_EQ(read.size(), 2u);
    const auto fields = [](const lm::Cleaning::Settings& s) {
        return std::make_tuple(
            s.enabled, s.interval, s.warningBefore, s.blocking, s.type, s.day, s.time, s.amount);
    };
    EXPECT_EQ(fields(read[0]),
        std::make_tuple(true, int64_t(-5), 7, false, lm::Rinsing11, lm::EveryDay, QTime(), 0));
    EXPECT_EQ(fields(read[1]),
        std::make_tuple(false, int64_t(std::numeric_limits<int>::max()), 0, true, lm::Rinsing15, lm::EveryDay,
            QTime(), 0));
}

TEST_F(CleaningTest, AListedTypeWithoutCounterpartThrows)
{
    const auto inactivity = createAccessor<lm::InactivityCleaning>();
    const auto warning = createAccessor<lm::Cleaning>();
    cleaningSettings().setInactivityCleanings({ { CleaningSettings::RinsingType(15), true, 1, 1 } });
    cleaningSettings().setWarningCleanings({ { true, 1, 1, true, CleaningSettings::RinsingType(-1) } });
    EXPECT_EQ(exceptionText<std::invalid_argument>([&] {
        inactivity->cleanings();
    }).rfind("Invalid internal enum value 15 (", 0),
        0u);
    EXPECT_EQ(exceptionText<std::invalid_argument>([&] {
        warning->cleanings();
    }).rfind("Invalid internal enum value -1 (", 0),
        0u);
}

struct StartCase
{
    const char* name;
    lm::RinsingType type;
    nonstd::optional<unsigned int> amount;
    /// The type and amount the machine starts with; nothing starts when absent.
    nonstd::optional<std::pair<CleaningSettings::RinsingType, int>> started;
    const char* error;
};

const StartCase kStarts[] = {
    { "DefaultAmount", lm::Rinsing5, nonstd::nullopt, std::make_pair(CleaningSettings::Rinsing5, 50),
        nullptr },
    { "GivenAmount", lm::Rinsing0, 10u, std::make_pair(CleaningSettings::Rinsing0, 10), nullptr },
    { "CrossedType", lm::Rinsing16, 0u, std::make_pair(CleaningSettings::Rinsing13, 0), nullptr },
    { "LargestAmount", lm::Rinsing1, unsigned(std::numeric_limits<int>::max()),
        std::make_pair(CleaningSettings::Rinsing1, std::numeric_limits<int>::max()), nullptr },
    { "TypeWithoutCounterpart", lm::Rinsing13, 10u, nonstd::nullopt, "Invalid external enum value 13 (" },
    { "AmountBeyondTheMachine", lm::Rinsing1, unsigned(std::numeric_limits<int>::max()) + 1u, nonstd::nullopt,
        "Invalid cleaning amount 2147483648" },
};

class CleaningStart : public CleaningTest, public ::testing::WithParamInterface<StartCase>
{
};

TEST_P(CleaningStart, StartsTheMachineWithTheConvertedTypeAndAmountOrNothing)
{
    const StartCase& start = GetParam();
    const auto accessor = createAccessor<lm::Cleaning>();
    std::vector<std::tuple<CleaningSettings::RinsingType, CleaningSettings::RinsingMode, bool>> events;
    QObject::connect(gCoreEnv->machine(), &Machine::notifyCleanRinseEvent,
        [&events](CleaningSettings::RinsingType type, CleaningSettings::RinsingMode mode,
            CleaningSettings::RinsingState, bool remote) { events.emplace_back(type, mode, remote); });
    const std::string text
        = exceptionText<std::invalid_argument>([&] { accessor->startCleaning(start.type, start.amount); });
    EXPECT_EQ(text.rfind(start.error ? start.error : "no exception", 0), 0u) << text;
    Machine& machine = *gCoreEnv->machine();
    EXPECT_EQ(machine.isCleaning(), start.started.has_value());
    if (!start.started) {
        EXPECT_TRUE(events.empty());
        return;
    }
    EXPECT_EQ(machine.cpuStateMachine()->currentState(), CpuStateMachine::Cleaning);
    EXPECT_EQ(machine.lastCleaningAmount(), start.started->second);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0], std::make_tuple(start.started->first, CleaningSettings::ManualMode, false));
}

INSTANTIATE_TEST_SUITE_P(Requests, CleaningStart, ::testing::ValuesIn(kStarts), caseName<StartCase>);

/// One accessor's relay of a save announcement of the cleaning settings.
struct Relay
{
    const char* name;
    std::function<std::unique_ptr<QObject>()> create;
    /// The accessor's change signal.
    const char* signal;
    std::function<void(CleaningSettings&)> announce;
};

const Relay kRelays[] = {
    { "AutomaticRinsing", [] { return std::unique_ptr<QObject>(createAccessor<lm::AutomaticRinsing>()); },
        SIGNAL(automaticCleaningsUpdated()),
        [](CleaningSettings& s) { s.announceAutomaticCleaningSaved(); } },
    { "InactivityCleaning", [] { return std::unique_ptr<QObject>(createAccessor<lm::InactivityCleaning>()); },
        SIGNAL(inactivitiyCleaningUpdated()), [](CleaningSettings& s) { s.setInactivityCleanings({}); } },
    { "Cleaning", [] { return std::unique_ptr<QObject>(createAccessor<lm::Cleaning>()); },
        SIGNAL(warningCleaningsUpdated()), [](CleaningSettings& s) { s.setWarningCleanings({}); } },
};

class CleaningRelay : public CleaningTest, public ::testing::WithParamInterface<Relay>
{
};

TEST_P(CleaningRelay, EachSaveIsAnnouncedOnceAlsoAfterTheConfigurationIsReplaced)
{
    const Relay& relay = GetParam();
    unloadConfiguration();
    const std::unique_ptr<QObject> accessor = relay.create();
    QSignalSpy updated(accessor.get(), relay.signal);
    ASSERT_TRUE(updated.isValid());
    for (int load = 1; load <= 3; ++load) {
        loadConfiguration();
        relay.announce(cleaningSettings());
        EXPECT_EQ(updated.size(), load) << "after load " << load;
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

INSTANTIATE_TEST_SUITE_P(Accessors, CleaningRelay, ::testing::ValuesIn(kRelays), caseName<Relay>);

using Inactivity = bridge::maintenance::InactivityCleaning;
const GuardCase<Inactivity> kInactivityGuarded[] = {
    { "cleanings", [](Inactivity& a) { return a.cleanings().empty(); } },
};
GUARD_TEST(InactivityCleaningGuard, lm::InactivityCleaning, Inactivity, kInactivityGuarded);

using Cleaning = bridge::maintenance::Cleaning;
const GuardCase<Cleaning> kCleaningGuarded[] = {
    { "cleanings", [](Cleaning& a) { return a.cleanings().empty(); } },
    { "hasCalendarCleaningFeature", [](Cleaning& a) { return !a.hasCalendarCleaningFeature(); },
        Guard::None },
    { "setCleanings", [](Cleaning& a) { return !a.setCleanings({ lm::Cleaning::Settings {} }); },
        Guard::Unsupported },
    { "states", [](Cleaning& a) { return a.states().empty(); }, Guard::Unsupported },
    { "startCleaning",
        [](Cleaning& a) {
            a.startCleaning(lm::Rinsing1, nonstd::nullopt);
            return gCoreEnv->machine()->isCleaning();
        },
        Guard::None },
};
GUARD_TEST(CleaningGuard, lm::Cleaning, Cleaning, kCleaningGuarded);

TEST_F(CleaningTest, TheUnsupportedOperationsNameTheirDeclarations)
{
    const auto accessor = createAccessor<lm::Cleaning>();
    accessor->setCleanings({});
    accessor->states();
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].items,
        (QStringList { QString(),
            QStringLiteral("virtual bool bridge::maintenance::Cleaning::setCleanings(const "
                           "std::vector<lea::maintenance::Cleaning::Settings>&)is not "
                           "implemented."),
            QStringLiteral("bridge/maintenance/cleaning.h"), QStringLiteral("19") }));
    EXPECT_EQ(entries[1].items,
        (QStringList { QString(),
            QStringLiteral("virtual std::vector<lea::maintenance::Cleaning::CleaningState> "
                           "bridge::maintenance::Cleaning::states() constis not implemented."),
            QStringLiteral("bridge/maintenance/cleaning.h"), QStringLiteral("21") }));
}

} // namespace
