#include "bridge/staticsettings/date.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/dstgeneralsettings.h"
#include "core/machine/machineclock.h"
#include "core/settings/settingsstore.h"
#include "core/tools/envvars.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <tuple>

namespace {

using LeaDate = lea::staticsettings::Date;
using Dst = LeaDate::Dst;
using Rule = LeaDate::DstRule;

constexpr int kMachinePlatform = 2;
constexpr int kDesktopPlatform = 1;

auto fields(const Rule& r)
{
    return std::make_tuple(r.month, r.week, r.day, r.hour);
}

auto fields(const nonstd::optional<Dst>& d)
{
    return d ? std::make_tuple(true, d->timeZone, fields(d->start), fields(d->end))
             : std::make_tuple(false, LeaDate::TimeZone {}, fields(Rule {}), fields(Rule {}));
}

// A rule as it reads back: the hour is not the machine's.
nonstd::optional<Dst> readBack(nonstd::optional<Dst> rule)
{
    if (rule)
        rule->start.hour = rule->end.hour = -1;
    return rule;
}

QDateTime utc(const char* text)
{
    QDateTime time = QDateTime::fromString(QLatin1String(text), Qt::ISODate);
    time.setTimeSpec(Qt::UTC);
    return time;
}

// Summer time from the last Sunday of March to the last Sunday of October.
const Dst kNorthern { LeaDate::CentralEurope, { LeaDate::March, LeaDate::LastWeek, LeaDate::Sunday, 5 },
    { LeaDate::October, LeaDate::LastWeek, LeaDate::Sunday, 5 } };
// From the first Sunday of October over the new year to the first Sunday of April.
const Dst kAcrossNewYear { LeaDate::Oceania, { LeaDate::October, LeaDate::FirstWeek, LeaDate::Sunday, 0 },
    { LeaDate::April, LeaDate::FirstWeek, LeaDate::Sunday, 0 } };

class DateTest : public SettingsAccessorTest<LeaDate, bridge::staticsettings::Date>
{
protected:
    void SetUp() override
    {
        SettingsAccessorTest::SetUp();
        gCoreEnv->setPlatform(kMachinePlatform);
    }
    void TearDown() override
    {
        qunsetenv(EnvVars::name(EnvVars::IgnoreInternetDate));
        SettingsAccessorTest::TearDown();
    }

    MachineClock& clock() const { return *gCoreEnv->clock(); }
    QDateTime clockFields() const
    {
        const QDateTime now = clock().now();
        return QDateTime(now.date(), now.time(), Qt::UTC);
    }
};

struct ClockCase
{
    const char* name;
    nonstd::optional<Dst> rule;
    int offsetHours;
    const char* utc;
    const char* machineClock;
    /// The wall time is shown twice when summer time ends: it cannot be turned back into one UTC time.
    bool repeatedHour = false;
};

void PrintTo(const ClockCase& c, std::ostream* os)
{
    *os << c.name;
}

// The switches are at 02:00 standard local time.
const ClockCase kClock[] = {
    { "NoRule", nonstd::nullopt, 1, "2024-07-01T12:00:00", "2024-07-01T13:00:00" },
    { "OffsetOfTwoInWinter", kNorthern, 2, "2024-01-15T12:00:00", "2024-01-15T14:00:00" },
    { "NorthStartMinus1", kNorthern, 1, "2024-03-31T00:59:00", "2024-03-31T01:59:00" },
    { "NorthStart", kNorthern, 1, "2024-03-31T01:00:00", "2024-03-31T03:00:00" },
    { "NorthStartPlus1", kNorthern, 1, "2024-03-31T01:01:00", "2024-03-31T03:01:00" },
    { "NorthSummer", kNorthern, 1, "2024-07-01T12:00:00", "2024-07-01T14:00:00" },
    { "NorthEndMinus1", kNorthern, 1, "2024-10-27T00:59:00", "2024-10-27T02:59:00", true },
    { "NorthEnd", kNorthern, 1, "2024-10-27T01:00:00", "2024-10-27T03:00:00" },
    { "NorthEndPlus1", kNorthern, 1, "2024-10-27T01:01:00", "2024-10-27T02:01:00", true },
    { "SouthStartMinus1", kAcrossNewYear, 10, "2024-10-05T15:59:00", "2024-10-06T01:59:00" },
    { "SouthStart", kAcrossNewYear, 10, "2024-10-05T16:00:00", "2024-10-06T03:00:00" },
    { "SouthStartPlus1", kAcrossNewYear, 10, "2024-10-05T16:01:00", "2024-10-06T03:01:00" },
    { "SouthLastMinuteOfTheYear", kAcrossNewYear, 10, "2024-12-31T13:59:00", "2025-01-01T00:59:00" },
    { "SouthFirstMinuteOfTheYear", kAcrossNewYear, 10, "2024-12-31T14:00:00", "2025-01-01T01:00:00" },
    { "SouthEndMinus1", kAcrossNewYear, 10, "2024-04-06T15:59:00", "2024-04-07T02:59:00", true },
    { "SouthEnd", kAcrossNewYear, 10, "2024-04-06T16:00:00", "2024-04-07T03:00:00" },
    { "SouthEndPlus1", kAcrossNewYear, 10, "2024-04-06T16:01:00", "2024-04-07T02:01:00", true },
    { "SouthWinter", kAcrossNewYear, 10, "2024-07-01T00:00:00", "2024-07-01T10:00:00" },
};

class MachineClockFromUtc : public DateTest, public ::testing::WithParamInterface<ClockCase>
{
};

TEST_P(MachineClockFromUtc, MovesByTheOffsetAndTheSummerHourAndTurnsBack)
{
    const ClockCase& c = GetParam();
    ASSERT_TRUE(loadConfiguration()->setTimeZoneOffset(c.offsetHours));
    accessor->setDst(c.rule);
    reload();
    ASSERT_EQ(fields(accessor->dst()), fields(readBack(c.rule)));
    accessor->setCurrentDateTimeFromUtc(utc(c.utc));
    EXPECT_EQ(clockFields(), utc(c.machineClock));
    if (!c.repeatedHour) {
        EXPECT_EQ(accessor->currentDateTimeUtc(), utc(c.utc));
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

INSTANTIATE_TEST_SUITE_P(Rules, MachineClockFromUtc, ::testing::ValuesIn(kClock), caseName<ClockCase>);

TEST_F(DateTest, TheClockKeepsItsDateWhenTheInternetDateIsIgnored)
{
    clock().setSimulatedTime(utc("2024-05-05T08:00:00"));
    qputenv(EnvVars::name(EnvVars::IgnoreInternetDate), "1");
    accessor->setCurrentDateTimeFromUtc(utc("2030-01-01T10:30:15.500"));
    EXPECT_EQ(clockFields(), utc("2024-05-05T10:30:15"));
}

TEST_F(DateTest, AnInvalidTimeOrAPcLeavesTheClockAlone)
{
    clock().setSimulatedTime(utc("2024-05-05T08:00:00"));
    accessor->setCurrentDateTimeFromUtc(QDateTime());
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Invalid date and time")).size(), 1);
    gCoreEnv->setPlatform(kDesktopPlatform);
    accessor->setCurrentDateTimeFromUtc(utc("2030-01-01T10:30:00"));
    const QList<LogEntry> pc = logEntriesContaining(QStringLiteral(": Not supported on PC"));
    ASSERT_EQ(pc.size(), 1);
    EXPECT_TRUE(pc[0].items.value(0).contains(QStringLiteral("::setCurrentDateTimeFromUtc(")));
    EXPECT_EQ(pc[0].level, LogLevel::Warning);
    EXPECT_EQ(clockFields(), utc("2024-05-05T08:00:00"));
    // A PC's clock knows its zone: no offset is taken off.
    EXPECT_EQ(accessor->currentDateTimeUtc(), utc("2024-05-05T08:00:00"));
}

TEST_F(DateTest, TheOffsetSignalIsRelayedOnceAcrossConfigurationsAndCalls)
{
    QSignalSpy changed(accessor.get(), &LeaDate::timeZoneOffsetChanged);
    for (int i = 0; i < 3; ++i) {
        accessor->timeZoneOffset();
        accessor->dst();
        reload();
    }
    ASSERT_TRUE(gCoreEnv->configuration()->setTimeZoneOffset(-5));
    ASSERT_TRUE(gCoreEnv->configuration()->setTimeZoneOffset(-5));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(accessor->timeZoneOffset(), std::chrono::minutes(-300));
}

struct InvalidRuleCase
{
    const char* name;
    Dst rule;
};

Dst with(void (*change)(Dst&))
{
    Dst rule = kAcrossNewYear;
    change(rule);
    return rule;
}

const InvalidRuleCase kInvalid[] = {
    { "TimeZone", with([](Dst& d) { d.timeZone = static_cast<LeaDate::TimeZone>(6); }) },
    { "StartWeek", with([](Dst& d) { d.start.week = static_cast<LeaDate::DstWeek>(7); }) },
    { "EndMonth", with([](Dst& d) { d.end.month = static_cast<LeaDate::DstMonth>(-1); }) },
    { "EndDay", with([](Dst& d) { d.end.day = static_cast<LeaDate::DstDay>(2); }) },
};

class InvalidRule : public DateTest, public ::testing::WithParamInterface<InvalidRuleCase>
{
};

TEST_P(InvalidRule, SwitchesAutomaticSummerTimeOffAndKeepsTheStoredRule)
{
    accessor->setDst(kNorthern);
    const auto stored = [this] {
        return std::make_tuple(store().value(QStringLiteral("dst/timeZone")),
            store().value(QStringLiteral("dst/start")), store().value(QStringLiteral("dst/end")));
    };
    const auto before = stored();
    clearLog();
    accessor->setDst(GetParam().rule);
    EXPECT_FALSE(accessor->dst());
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Invalid external enum value")).size(), 1);
    reload();
    EXPECT_FALSE(accessor->dst());
    EXPECT_EQ(stored(), before);
}

INSTANTIATE_TEST_SUITE_P(Values, InvalidRule, ::testing::ValuesIn(kInvalid), caseName<InvalidRuleCase>);

TEST_F(DateTest, ARefusedSaveKeepsRuleAndSwitch)
{
    accessor->setDst(kNorthern);
    for (const auto& [key, rule] : { std::make_pair("dst/start", nonstd::optional<Dst>(kAcrossNewYear)),
             std::make_pair("general/automaticSummerTime", nonstd::optional<Dst>()) })
        expectRefusedSaveKeeps(
            QLatin1String(key), QStringLiteral("Failed to save"),
            [&, &rule = rule] { accessor->setDst(rule); }, [&] { return fields(accessor->dst()); });
    EXPECT_EQ(fields(accessor->dst()), fields(readBack(kNorthern)));
}

TEST_F(DateTest, AStoredRuleTheInterfaceCannotNameIsRefusedWhenRead)
{
    accessor->setDst(kNorthern);
    ASSERT_TRUE(store().setValue(QStringLiteral("dst/end"), QJsonArray { 0, 3, 9 }));
    loadConfiguration();
    EXPECT_EQ(exceptionText<std::invalid_argument>([&] {
        accessor->dst();
    }).rfind("Invalid internal enum value 9 (", 0),
        0u);
}

using Date = bridge::staticsettings::Date;
const GuardCase<Date> kGuarded[] = {
    { "timeZoneOffset", [](Date& d) { return d.timeZoneOffset() == std::chrono::minutes(0); } },
    { "dst", [](Date& d) { return !d.dst(); } },
    { "setDst",
        [](Date& d) {
            d.setDst(kNorthern);
            return !gCoreEnv->configurationGroup()->settingsStore()->contains(QStringLiteral("dst/start"));
        } },
    { "currentDateTimeUtc",
        [](Date& d) {
            gCoreEnv->setPlatform(kMachinePlatform);
            return !d.currentDateTimeUtc().isValid();
        } },
    { "setCurrentDateTimeFromUtc",
        [](Date& d) {
            gCoreEnv->setPlatform(kMachinePlatform);
            gCoreEnv->clock()->setSimulatedTime(utc("2024-05-05T08:00:00"));
            d.setCurrentDateTimeFromUtc(utc("2030-01-01T10:00:00"));
            return gCoreEnv->clock()->now() == utc("2024-05-05T08:00:00");
        } },
};
GUARD_TEST(DateGuard, LeaDate, Date, kGuarded);

} // namespace
