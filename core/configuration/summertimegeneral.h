#pragma once

#include <QDate>

/// One change of the daylight-saving rule: the given weekday of the given
/// week of the given month.
class SummerTimeGeneral
{
public:
    enum DayNumber : int {
        Sunday = 0,
        Saturday = 1,
    };
    enum WeekNumber : int {
        FirstWeek = 0,
        SecondWeek = 1,
        ThirdWeek = 2,
        LastWeek = 3,
    };
    enum MonthNumber : int {
        March = 0,
        April = 1,
        September = 2,
        October = 3,
    };

    SummerTimeGeneral() = default;
    SummerTimeGeneral(DayNumber day, WeekNumber week, MonthNumber month)
        : m_day(day)
        , m_week(week)
        , m_month(month)
    {
    }

    DayNumber day() const { return m_day; }
    void setDay(DayNumber day) { m_day = day; }
    WeekNumber week() const { return m_week; }
    void setWeek(WeekNumber week) { m_week = week; }
    MonthNumber month() const { return m_month; }
    void setMonth(MonthNumber month) { m_month = month; }

    /// The day of the change in `year`; invalid for values the enumerations do not name.
    QDate date(int year) const;

private:
    DayNumber m_day = Sunday;
    WeekNumber m_week = LastWeek;
    MonthNumber m_month = March;
};
