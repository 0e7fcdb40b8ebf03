#pragma once

#include <QDateTime>
#include <QObject>

class Machine;
class MachineClock;

/// Moves the machine through the energy-saving modes on the machine clock:
/// after the configured time without use the soft mode, after as long again
/// the deep mode; a wake-up leaves the soft mode at once and the deep mode
/// after the configured waking time. Runs only while the loaded
/// configuration enables energy saving.
class EnergySavingTimer : public QObject
{
    Q_OBJECT

public:
    explicit EnergySavingTimer(Machine& machine);
    ~EnergySavingTimer() override;

    /// Counts on `clock` from now on.
    void follow(MachineClock* clock);
    /// The machine was used: the time without use starts again, and a saving mode is left.
    void wakeUp();

signals:
    /// The machine's energy mode changed.
    void energySavingStateNameChanged();

private:
    void onTimeChanged();

    Machine& m_machine;
    MachineClock* m_clock = nullptr;
    QDateTime m_lastUse;
    QDateTime m_wakingSince;
};
