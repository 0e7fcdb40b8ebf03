#include "core/hardware/abstractcupsensor.h"

AbstractCupSensor::AbstractCupSensor(QObject* parent)
    : QObject(parent)
{
}

AbstractCupSensor::~AbstractCupSensor() = default;

bool AbstractCupSensor::isAnyCupPresent(bool force) const
{
    Q_UNUSED(force)
    return m_cupPresent;
}

void AbstractCupSensor::setCupPresent(bool present)
{
    if (present == m_cupPresent)
        return;
    m_cupPresent = present;
    emit cupPresenceChanged();
}

void AbstractCupSensor::setCupCarrierPositionHome(bool home)
{
    if (home == m_carrierHome)
        return;
    m_carrierHome = home;
    emit isCupCarrierPositionHomeChanged();
}
