#include "bridge/maintenance/automaticrinsing.h"
#include "core/configuration/configuration.h"
#include "core/gui/guienvironment.h"
#include "core/gui/maintenance.h"
#include "core/gui/timecleaning.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <QSignalSpy>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {

namespace lm = lea::maintenance;
using LeaRinsing = lm::AutomaticRinsing;
using Rinsing = LeaRinsing::Rinsing;
using Schedule = nonstd::optional<std::vector<Rinsing>>;

auto fields(const Rinsing& r)
{
    return std::make_tuple(r.type, r.day, r.time);
}

std::vector<std::tuple<lm::RinsingType, lm::RinsingDays, QTime>> fields(const std::vector<Rinsing>& list)
{
    std::vector<std::tuple<lm::RinsingType, lm::RinsingDays, QTime>> result;
    for (const Rinsing& r : list)
        result.push_back(fields(r));
    return result;
}

/// The core's schedule as plain values: module, day, hour, minute.
using CoreEntry = std::tuple<int, int, int, int>;

class AutomaticRinsingTest : public SettingsAccessorTest<LeaRinsing, bridge::maintenance::AutomaticRinsing>
{
protected:
    static Maintenance& maintenance() { return *gGuiEnv->maintenance(); }
    /// Reads everything again from the database.
    void reload()
    {
        store().reload();
        maintenance().load();
        loadConfiguration();
    }
    static std::vector<CoreEntry> coreSchedule()
    {
        std::vector<CoreEntry> entries;
        for (const TimeCleaning* entry : maintenance().timesCleaning())
            entries.emplace_back(int(entry->module()), int(entry->day()), entry->hour(), entry->minute());
        return entries;
    }
    static void addCoreEntry(
        CleaningSettings::RinsingType module, TimeCleaning::RinsingDays day, int hour, int minute)
    {
        auto* entry = new TimeCleaning;
        entry->setModule(module);
        entry->setDay(day);
        entry->setHour(hour);
        entry->setMinute(minute);
        maintenance().addTimeCleaning(entry);
    }
};

struct RoundTrip
{
    const char* name;
    Schedule written;
    /// What reads back; the written schedule when absent.
    Schedule read;
    /// The core's entries after the write.
    std::vector<CoreEntry> core;
};

const RoundTrip kRoundTrips[] = {
    { "Off", nonstd::nullopt, {}, {} },
    { "OnWithoutEntries", std::vector<Rinsing> {}, {}, {} },
    { "OneEntry", std::vector<Rinsing> { { lm::Rinsing3, lm::Tuesday, QTime(22, 15) } }, {},
        { { 3, 2, 22, 15 } } },
    { "SecondsAreDropped", std::vector<Rinsing> { { lm::Rinsing0, lm::Monday, QTime(6, 30, 45, 120) } },
        std::vector<Rinsing> { { lm::Rinsing0, lm::Monday, QTime(6, 30) } }, { { 0, 1, 6, 30 } } },
    { "CrossedTypesAndEdgeDays",
        std::vector<Rinsing> { { lm::Rinsing15, lm::Weekend, QTime(0, 0) },
            { lm::Rinsing16, lm::Monday, QTime(23, 59) }, { lm::Rinsing12, lm::EveryDay, QTime(12, 0) } },
        {}, { { 14, 10, 0, 0 }, { 13, 1, 23, 59 }, { 12, 8, 12, 0 } } },
};

class AutomaticRinsingRoundTrip : public AutomaticRinsingTest, public ::testing::WithParamInterface<RoundTrip>
{
};

TEST_P(AutomaticRinsingRoundTrip, IsStoredSavedAnnouncedAndReadBackAfterAReload)
{
    const RoundTrip& trip = GetParam();
    const Schedule expected = trip.read ? trip.read : trip.written;
    // Start from another stored schedule, so that each case changes something.
    ASSERT_TRUE(accessor->setRinsingData(std::vector<Rinsing> { { lm::Rinsing7, lm::Sunday, QTime(3, 3) } }));
    QSignalSpy updated(accessor.get(), &LeaRinsing::automaticCleaningsUpdated);
    QSignalSpy timers(gCoreEnv->machine(), &Machine::cleaningTimersUpdated);

    EXPECT_TRUE(accessor->setRinsingData(trip.written));
    EXPECT_EQ(maintenance().isAutomaticCleaning(), trip.written.has_value());
    EXPECT_EQ(coreSchedule(), trip.core);
    EXPECT_EQ(updated.size(), 1);
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers[0][0].toLongLong(), 0);
    reload();
    const Schedule read = accessor->rinsingData();
    ASSERT_EQ(read.has_value(), expected.has_value());
    if (read) {
        EXPECT_EQ(fields(*read), fields(*expected));
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

INSTANTIATE_TEST_SUITE_P(
    Schedules, AutomaticRinsingRoundTrip, ::testing::ValuesIn(kRoundTrips), caseName<RoundTrip>);

TEST_F(AutomaticRinsingTest, TheSwitchTurnsTheScheduleOffAndOnAgain)
{
    const std::vector<Rinsing> schedule { { lm::Rinsing1, lm::Friday, QTime(18, 0) } };
    ASSERT_TRUE(accessor->setRinsingData(schedule));
    ASSERT_TRUE(accessor->setRinsingData(nonstd::nullopt));
    reload();
    EXPECT_FALSE(accessor->rinsingData());
    EXPECT_TRUE(coreSchedule().empty());
    ASSERT_TRUE(accessor->setRinsingData(schedule));
    reload();
    ASSERT_TRUE(accessor->rinsingData());
    EXPECT_EQ(fields(*accessor->rinsingData()), fields(schedule));
}

TEST_F(AutomaticRinsingTest, OffReadsAbsentEvenWithEntriesInTheCore)
{
    addCoreEntry(CleaningSettings::Rinsing2, TimeCleaning::Monday, 8, 0);
    maintenance().setIsAutomaticCleaning(false);
    EXPECT_FALSE(accessor->rinsingData());
    maintenance().setIsAutomaticCleaning(true);
    ASSERT_TRUE(accessor->rinsingData());
    EXPECT_EQ(accessor->rinsingData()->size(), 1u);
}

struct BadCoreEntry
{
    const char* name;
    CleaningSettings::RinsingType module;
    TimeCleaning::RinsingDays day;
    const char* text;
};

const BadCoreEntry kBadCoreEntries[] = {
    { "DayZero", CleaningSettings::Rinsing0, TimeCleaning::NoDay, "Invalid internal enum value 0 (" },
    { "DayEleven", CleaningSettings::Rinsing0, TimeCleaning::RinsingDays(11),
        "Invalid internal enum value 11 (" },
    { "TypeFifteen", CleaningSettings::RinsingType(15), TimeCleaning::Monday,
        "Invalid internal enum value 15 (" },
};

TEST_F(AutomaticRinsingTest, AStoredValueWithoutCounterpartThrowsOnRead)
{
    for (const BadCoreEntry& bad : kBadCoreEntries) {
        maintenance().clearTimesCleaning();
        maintenance().setIsAutomaticCleaning(true);
        addCoreEntry(CleaningSettings::Rinsing1, TimeCleaning::Monday, 1, 1);
        addCoreEntry(bad.module, bad.day, 9, 0);
        const std::string text = exceptionText<std::invalid_argument>([&] { accessor->rinsingData(); });
        EXPECT_EQ(text.rfind(bad.text, 0), 0u) << bad.name << ": " << text;
    }
}

struct BadRecord
{
    const char* name;
    Rinsing record;
    const char* text;
};

const BadRecord kBadRecords[] = {
    { "TypeThirteen", { lm::Rinsing13, lm::Monday, QTime(8, 0) }, "Invalid external enum value 13 (" },
    { "TypeFourteen", { lm::Rinsing14, lm::Monday, QTime(8, 0) }, "Invalid external enum value 14 (" },
    { "TypeBeyondTheTable", { lm::RinsingType(17), lm::Monday, QTime(8, 0) },
        "Invalid external enum value 17 (" },
    { "DayTen", { lm::Rinsing1, lm::RinsingDays(10), QTime(8, 0) }, "Invalid external enum value 10 (" },
    { "NegativeDay", { lm::Rinsing1, lm::RinsingDays(-1), QTime(8, 0) }, "Invalid external enum value -1 (" },
    { "NullTime", { lm::Rinsing1, lm::Monday, QTime() }, "Invalid rinsing time" },
};

TEST_F(AutomaticRinsingTest, ABadRecordThrowsAndLosesNothing)
{
    const std::vector<Rinsing> kept { { lm::Rinsing4, lm::Thursday, QTime(7, 45) } };
    ASSERT_TRUE(accessor->setRinsingData(kept));
    const std::vector<CoreEntry> core = coreSchedule();
    QSignalSpy updated(accessor.get(), &LeaRinsing::automaticCleaningsUpdated);
    QSignalSpy timers(gCoreEnv->machine(), &Machine::cleaningTimersUpdated);
    const quint32 changes = databaseChangeCounter();
    for (const BadRecord& bad : kBadRecords) {
        const std::vector<Rinsing> written { { lm::Rinsing2, lm::Monday, QTime(5, 0) }, bad.record };
        const std::string text
            = exceptionText<std::invalid_argument>([&] { accessor->setRinsingData(written); });
        EXPECT_EQ(text.rfind(bad.text, 0), 0u) << bad.name << ": " << text;
        EXPECT_TRUE(maintenance().isAutomaticCleaning()) << bad.name;
        EXPECT_EQ(coreSchedule(), core) << bad.name;
    }
    EXPECT_EQ(databaseChangeCounter(), changes);
    EXPECT_TRUE(updated.isEmpty());
    EXPECT_TRUE(timers.isEmpty());
    reload();
    ASSERT_TRUE(accessor->rinsingData());
    EXPECT_EQ(fields(*accessor->rinsingData()), fields(kept));
}

TEST_F(AutomaticRinsingTest, ARefusedSaveReturnsFalseLogsAndKeepsWhatIsStored)
{
    const std::vector<Rinsing> kept { { lm::Rinsing4, lm::Thursday, QTime(7, 45) },
        { lm::Rinsing16, lm::WorkingDays, QTime(19, 5) } };
    ASSERT_TRUE(accessor->setRinsingData(kept));
    const std::vector<CoreEntry> core = coreSchedule();
    refuseSetting(QStringLiteral("maintenance/timesCleaning"));
    QSignalSpy updated(accessor.get(), &LeaRinsing::automaticCleaningsUpdated);
    clearLog();
    for (const Schedule& refused : { Schedule(nonstd::nullopt), Schedule(std::vector<Rinsing> {}),
             Schedule(std::vector<Rinsing> { { lm::Rinsing0, lm::Monday, QTime(1, 0) } }) }) {
        EXPECT_FALSE(accessor->setRinsingData(refused));
        EXPECT_TRUE(maintenance().isAutomaticCleaning());
        EXPECT_EQ(coreSchedule(), core);
    }
    EXPECT_TRUE(updated.isEmpty());
    const QList<LogEntry> failures
        = logEntriesContaining(QStringLiteral("Failed to save the automatic rinsings"));
    ASSERT_EQ(failures.size(), 3);
    EXPECT_TRUE(failures[0].items.value(0).contains(QStringLiteral("AutomaticRinsing::setRinsingData(")));
    reload();
    ASSERT_TRUE(accessor->rinsingData());
    EXPECT_EQ(fields(*accessor->rinsingData()), fields(kept));
}

using Accessor = bridge::maintenance::AutomaticRinsing;
const GuardCase<Accessor> kGuarded[] = {
    { "rinsingData", [](Accessor& a) { return !a.rinsingData(); }, Guard::None },
    { "setRinsingData",
        [](Accessor& a) {
            return a.setRinsingData(std::vector<Rinsing> { { lm::Rinsing1, lm::Monday, QTime(4, 0) } })
                && a.rinsingData() && a.rinsingData()->size() == 1;
        },
        Guard::None },
};
GUARD_TEST(AutomaticRinsingGuard, LeaRinsing, Accessor, kGuarded);

} // namespace
