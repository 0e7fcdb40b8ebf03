#pragma once

#include <QDateTime>
#include <QObject>

/// The machine's date and time. Tests and the demo set a simulated time and
/// move it on; without one it reads the system clock. The system clock and
/// time zone are never changed.
class MachineClock : public QObject
{
    Q_OBJECT

public:
    explicit MachineClock(QObject* parent = nullptr);
    ~MachineClock() override;

    QDateTime now() const;
    bool isSimulated() const { return m_simulated.isValid(); }
    /// From now on the clock shows `time` (and stands still until moved on).
    void setSimulatedTime(const QDateTime& time);
    void advanceSeconds(qint64 seconds);
    void advanceMilliseconds(qint64 milliseconds);

signals:
    /// The simulated time was set or moved on.
    void timeChanged();

private:
    QDateTime m_simulated;
};
