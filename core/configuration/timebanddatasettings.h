#pragma once

#include <QObject>
#include <QTime>

/// A time band switch: from `time` on `day`, the prices of `band` apply.
class TimeBandDataSettings : public QObject
{
    Q_OBJECT

public:
    explicit TimeBandDataSettings(QObject* parent = nullptr);
    TimeBandDataSettings(const QTime& time, Qt::DayOfWeek day, int band, QObject* parent = nullptr);
    ~TimeBandDataSettings() override;

    QTime time() const { return m_time; }
    Qt::DayOfWeek day() const { return m_day; }
    /// The core band number (BeveragePrice::Price::TimeBand).
    int band() const { return m_band; }

private:
    QTime m_time { 0, 0 };
    Qt::DayOfWeek m_day = Qt::Monday;
    int m_band = 0;
};
