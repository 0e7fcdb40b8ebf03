#pragma once

#include "core/configuration/cleaningsettings.h"

#include <QObject>

/// One entry of the weekly rinsing schedule: which rinsing runs on which day at which time.
class TimeCleaning : public QObject
{
    Q_OBJECT

public:
    /// The days a scheduled rinsing runs on.
    enum RinsingDays : int {
        NoDay = 0,
        Monday = 1,
        Tuesday = 2,
        Wednesday = 3,
        Thursday = 4,
        Friday = 5,
        Saturday = 6,
        Sunday = 7,
        EveryDay = 8,
        WorkingDays = 9,
        Weekend = 10,
    };

    explicit TimeCleaning(QObject* parent = nullptr);
    ~TimeCleaning() override;

    /// The rinsing that runs.
    CleaningSettings::RinsingType module() const { return m_module; }
    void setModule(CleaningSettings::RinsingType module) { m_module = module; }
    RinsingDays day() const { return m_day; }
    void setDay(RinsingDays day) { m_day = day; }
    int hour() const { return m_hour; }
    void setHour(int hour) { m_hour = hour; }
    int minute() const { return m_minute; }
    void setMinute(int minute) { m_minute = minute; }

private:
    CleaningSettings::RinsingType m_module = CleaningSettings::Rinsing0;
    RinsingDays m_day = NoDay;
    int m_hour = 0;
    int m_minute = 0;
};
