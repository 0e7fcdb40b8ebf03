#include "bridge/staticsettings/date.h"

#include "bridge/staticsettings/dstdayenumconverter.h"
#include "bridge/staticsettings/dstmonthenumconverter.h"
#include "bridge/staticsettings/dstweekenumconverter.h"
#include "bridge/staticsettings/timezoneenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/configuration/dstgeneralsettings.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/tools/envvars.h"

#include <stdexcept>

namespace bridge {
namespace staticsettings {

namespace {

using LeaDate = lea::staticsettings::Date;

// Elsewhere the software runs on a PC whose clock knows its own zone.
constexpr int kMachinePlatform = 2;
constexpr qint64 kSummerHour = 3600;

qint64 offsetSeconds(const Configuration& configuration)
{
    return qint64(configuration.timeZoneOffset()) * 3600;
}

// `local` is standard local time as wall-clock fields. The rule may run over
// the new year (start in October, end in March): the summer is then the two
// ends of the year.
bool isSummerTime(const Configuration& configuration, const QDateTime& local)
{
    if (!configuration.generalSettings()->automaticSummerTime())
        return false;
    const DSTGeneralSettings& rule = *configuration.dstGeneralSettings();
    const QDateTime start = rule.startSummerTime(local.date().year());
    const QDateTime end = rule.endSummerTime(local.date().year());
    if (!start.isValid() || !end.isValid())
        return false;
    if (start <= end)
        return start <= local && local <= end;
    return start <= local || local <= end;
}

QDateTime wallClock(const QDateTime& time)
{
    return QDateTime(time.date(), time.time(), Qt::UTC);
}

LeaDate::DstRule toLea(const SummerTimeGeneral& rule)
{
    return { DstMonthEnumConverter::toExternalOrThrow(rule.month()),
        DstWeekEnumConverter::toExternalOrThrow(rule.week()),
        DstDayEnumConverter::toExternalOrThrow(rule.day()), -1 };
}

SummerTimeGeneral toCore(const LeaDate::DstRule& rule)
{
    return { DstDayEnumConverter::toInternalOrThrow(rule.day),
        DstWeekEnumConverter::toInternalOrThrow(rule.week),
        DstMonthEnumConverter::toInternalOrThrow(rule.month) };
}

} // namespace

Date::Date(QObject* parent)
    : lea::staticsettings::Date(parent)
{
    utils::connectToConfiguration(
        &Configuration::timeZoneOffsetChanged, this, &lea::staticsettings::Date::timeZoneOffsetChanged);
}

Date::~Date() = default;

std::chrono::minutes Date::timeZoneOffset() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return std::chrono::minutes(0);
    return std::chrono::minutes(qint64(configuration->timeZoneOffset()) * 60);
}

QDateTime Date::currentDateTimeUtc() const
{
    const QDateTime now = gCoreEnv->clock()->now();
    if (gCoreEnv->platform() != kMachinePlatform)
        return now.toUTC();
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const QDateTime local = wallClock(now);
    // Within summer time the clock is an hour ahead of standard time.
    const qint64 summer = isSummerTime(*configuration, local.addSecs(-kSummerHour)) ? kSummerHour : 0;
    return local.addSecs(-offsetSeconds(*configuration) - summer);
}

void Date::setCurrentDateTimeFromUtc(const QDateTime& utc)
{
    if (gCoreEnv->platform() != kMachinePlatform) {
        LogFormatter(LogLevel::Warning).log(Log::Global) << Q_FUNC_INFO << ": Not supported on PC";
        return;
    }
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    if (!utc.isValid()) {
        utils::FailureLog(Q_FUNC_INFO, Log::Global).warning("Invalid date and time");
        return;
    }
    QDateTime local = utc.toUTC().addSecs(offsetSeconds(*configuration));
    if (EnvVars::isSet(EnvVars::IgnoreInternetDate))
        local.setDate(gCoreEnv->clock()->now().date());
    if (isSummerTime(*configuration, local))
        local = local.addSecs(kSummerHour);
    const QDate date = local.date();
    const QTime time = local.time();
    gCoreEnv->machine()->setMachineDateTime(
        date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), QString());
}

nonstd::optional<LeaDate::Dst> Date::dst() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration || !configuration->generalSettings()->automaticSummerTime())
        return nonstd::nullopt;
    const DSTGeneralSettings& rule = *configuration->dstGeneralSettings();
    return Dst { TimeZoneEnumConverter::toExternalOrThrow(rule.timeZone()), toLea(rule.start()),
        toLea(rule.end()) };
}

void Date::setDst(const nonstd::optional<Dst>& dst)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    GeneralSettings& general = *configuration->generalSettings();
    const utils::FailureLog failure(Q_FUNC_INFO, Log::Global);
    if (dst) {
        try {
            // Converted before anything is stored: a rule the machine cannot hold changes no part of the
            // stored one.
            const DSTGeneralSettings::TimeZone timeZone
                = TimeZoneEnumConverter::toInternalOrThrow(dst->timeZone);
            const SummerTimeGeneral start = toCore(dst->start);
            const SummerTimeGeneral end = toCore(dst->end);
            if (failure.stored(configuration->dstGeneralSettings()->setRule(timeZone, start, end),
                    "Failed to save the daylight-saving rule"))
                failure.stored(general.setAutomaticSummerTime(true), "Failed to save automatic summer time");
            return;
        } catch (const std::invalid_argument& e) {
            failure.warning(e.what());
        }
    }
    failure.stored(general.setAutomaticSummerTime(false), "Failed to save automatic summer time");
}

} // namespace staticsettings
} // namespace bridge
