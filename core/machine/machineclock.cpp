#include "core/machine/machineclock.h"

MachineClock::MachineClock(QObject* parent)
    : QObject(parent)
{
}

MachineClock::~MachineClock() = default;

QDateTime MachineClock::now() const
{
    return m_simulated.isValid() ? m_simulated : QDateTime::currentDateTime();
}

void MachineClock::setSimulatedTime(const QDateTime& time)
{
    m_simulated = time;
    emit timeChanged();
}

void MachineClock::advanceSeconds(qint64 seconds)
{
    setSimulatedTime(now().addSecs(seconds));
}

void MachineClock::advanceMilliseconds(qint64 milliseconds)
{
    setSimulatedTime(now().addMSecs(milliseconds));
}
