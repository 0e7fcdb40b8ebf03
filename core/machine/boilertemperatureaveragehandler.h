#pragma once

#include <QObject>

/// Averages the readings of one boiler's temperature over a period: the last
/// reading and the running sum, in thousandths of the reading's unit.
class BoilerTemperatureAverageHandler : public QObject
{
    Q_OBJECT

public:
    explicit BoilerTemperatureAverageHandler(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    int currentValue() const { return m_currentValue; }
    qint64 accumulatedValue() const { return m_accumulatedValue; }
    /// A new reading: it becomes the current value and is added to the sum.
    void addMeasure(int value)
    {
        m_currentValue = value;
        m_accumulatedValue += qint64(value) * 1000;
        emit notifyBoilerTemperatureEvent(value);
    }
    /// Starts a new period.
    void reset(qint64 accumulated = 0)
    {
        m_currentValue = 0;
        m_accumulatedValue = accumulated;
    }

signals:
    void notifyBoilerTemperatureEvent(int value);

private:
    int m_currentValue = 0;
    qint64 m_accumulatedValue = 0;
};
