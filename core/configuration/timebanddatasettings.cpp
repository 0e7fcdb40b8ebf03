#include "core/configuration/timebanddatasettings.h"

TimeBandDataSettings::TimeBandDataSettings(QObject* parent)
    : QObject(parent)
{
}

TimeBandDataSettings::TimeBandDataSettings(const QTime& time, Qt::DayOfWeek day, int band, QObject* parent)
    : QObject(parent)
    , m_time(time)
    , m_day(day)
    , m_band(band)
{
}

TimeBandDataSettings::~TimeBandDataSettings() = default;
