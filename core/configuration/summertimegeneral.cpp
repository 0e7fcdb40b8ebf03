#include "core/configuration/summertimegeneral.h"

QDate SummerTimeGeneral::date(int year) const
{
    static const int kMonths[] = { 3, 4, 9, 10 };
    if (m_month < March || m_month > October || m_week < FirstWeek || m_week > LastWeek)
        return QDate();
    int weekday = 0;
    switch (m_day) {
    case Sunday:
        weekday = Qt::Sunday;
        break;
    case Saturday:
        weekday = Qt::Saturday;
        break;
    default:
        return QDate();
    }
    const QDate first(year, kMonths[m_month], 1);
    if (m_week == LastWeek) {
        const QDate last = first.addMonths(1).addDays(-1);
        return last.addDays(-((last.dayOfWeek() - weekday + 7) % 7));
    }
    return first.addDays((weekday - first.dayOfWeek() + 7) % 7 + 7 * m_week);
}
