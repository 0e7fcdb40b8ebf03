#include "core/multimachines/slavemachinesmanager.h"

#include "core/multimachines/remotetemperaturemanager.h"

SlaveMachinesManager::SlaveMachinesManager(QObject* parent)
    : QObject(parent)
{
}

RemoteTemperatureManager* SlaveMachinesManager::attachSlaveMachine()
{
    if (m_temperatureManagers.size() >= 2)
        return nullptr;
    m_temperatureManagers << new RemoteTemperatureManager(this);
    return m_temperatureManagers.last();
}

void SlaveMachinesManager::setFirstSlaveMachineActive(bool active)
{
    if (active == m_firstActive)
        return;
    m_firstActive = active;
    emit firstSlaveMachineActiveChanged();
}

void SlaveMachinesManager::setSecondSlaveMachineActive(bool active)
{
    if (active == m_secondActive)
        return;
    m_secondActive = active;
    emit secondSlaveMachineActiveChanged();
}
