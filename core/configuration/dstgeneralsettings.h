#pragma once

#include "core/configuration/summertimegeneral.h"

#include <QDateTime>
#include <QObject>

class SettingsStore;

/// The daylight-saving rule of a configuration, kept under "dst/..." keys of
/// the group's settings store. Whether it applies is a general setting.
class DSTGeneralSettings : public QObject
{
    Q_OBJECT

public:
    /// The region whose rule the machine follows.
    enum TimeZone : int {
        WesternEurope = 0,
        CentralEurope = 1,
        EasternEurope = 2,
        NorthAmerica = 3,
        SouthAmerica = 4,
        Oceania = 5,
    };

    explicit DSTGeneralSettings(SettingsStore& store, QObject* parent = nullptr);
    ~DSTGeneralSettings() override;

    TimeZone timeZone() const { return m_timeZone; }
    const SummerTimeGeneral& start() const { return m_start; }
    const SummerTimeGeneral& end() const { return m_end; }
    /// Stores the whole rule, all or nothing; false, with the rule unchanged, when refused.
    bool setRule(TimeZone timeZone, const SummerTimeGeneral& start, const SummerTimeGeneral& end);

    /// When summer time starts and ends in `year`, in standard local time
    /// (02:00 on the day of each change), as wall-clock fields in a UTC date-time.
    QDateTime startSummerTime(int year) const;
    QDateTime endSummerTime(int year) const;

signals:
    void ruleChanged();

private:
    SettingsStore& m_store;
    TimeZone m_timeZone;
    SummerTimeGeneral m_start;
    SummerTimeGeneral m_end;
};
