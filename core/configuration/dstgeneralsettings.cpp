#include "core/configuration/dstgeneralsettings.h"

#include "core/settings/settingsstore.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {
const QString kTimeZone = QStringLiteral("dst/timeZone");
const QString kStart = QStringLiteral("dst/start");
const QString kEnd = QStringLiteral("dst/end");

// Stored as [day, week, month]; values the enumerations do not name are kept for the bridge to refuse.
SummerTimeGeneral ruleFrom(const QJsonValue& value, const SummerTimeGeneral& fallback)
{
    const QJsonArray fields = value.toArray();
    if (fields.size() != 3)
        return fallback;
    return { static_cast<SummerTimeGeneral::DayNumber>(fields[0].toInt()),
        static_cast<SummerTimeGeneral::WeekNumber>(fields[1].toInt()),
        static_cast<SummerTimeGeneral::MonthNumber>(fields[2].toInt()) };
}

QJsonArray toJson(const SummerTimeGeneral& rule)
{
    return { int(rule.day()), int(rule.week()), int(rule.month()) };
}

QDateTime switchTime(const SummerTimeGeneral& rule, int year)
{
    const QDate day = rule.date(year);
    return day.isValid() ? QDateTime(day, QTime(2, 0), Qt::UTC) : QDateTime();
}
} // namespace

DSTGeneralSettings::DSTGeneralSettings(SettingsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_timeZone(static_cast<TimeZone>(store.value(kTimeZone, int(CentralEurope)).toInt()))
    , m_start(ruleFrom(store.value(kStart),
          { SummerTimeGeneral::Sunday, SummerTimeGeneral::LastWeek, SummerTimeGeneral::March }))
    , m_end(ruleFrom(store.value(kEnd),
          { SummerTimeGeneral::Sunday, SummerTimeGeneral::LastWeek, SummerTimeGeneral::October }))
{
}

DSTGeneralSettings::~DSTGeneralSettings() = default;

bool DSTGeneralSettings::setRule(
    TimeZone timeZone, const SummerTimeGeneral& start, const SummerTimeGeneral& end)
{
    const QJsonObject values { { kTimeZone, int(timeZone) }, { kStart, toJson(start) },
        { kEnd, toJson(end) } };
    if (timeZone == m_timeZone && toJson(start) == toJson(m_start) && toJson(end) == toJson(m_end))
        return true;
    if (!m_store.setValues(values))
        return false;
    m_timeZone = timeZone;
    m_start = start;
    m_end = end;
    emit ruleChanged();
    return true;
}

QDateTime DSTGeneralSettings::startSummerTime(int year) const
{
    return switchTime(m_start, year);
}

QDateTime DSTGeneralSettings::endSummerTime(int year) const
{
    return switchTime(m_end, year);
}
