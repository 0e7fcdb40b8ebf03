#include "core/machine/erogationmanager.h"

ErogationManager::ErogationManager(QObject* parent)
    : QObject(parent)
{
    // For queued connections and signal spies on the boiler signals.
    qRegisterMetaType<AbstractErogationProtocol::Boilers>();
    qRegisterMetaType<ErogationProtocolMivoTouchDaltoRusena::DaltoRusEmptyBoilerState>();
}

ErogationManager::~ErogationManager() = default;

void ErogationManager::setErogationStatus(ErogationStatus status)
{
    if (status == m_erogationStatus)
        return;
    m_erogationStatus = status;
    emit erogationStateChanged();
}

void ErogationManager::setLastActiveTest(int test)
{
    if (test == m_lastActiveTest)
        return;
    m_lastActiveTest = test;
    emit lastActiveTestChanged();
}

void ErogationManager::setLocked(bool locked)
{
    if (locked == m_locked)
        return;
    m_locked = locked;
    emit lockedChanged(locked);
}

void ErogationManager::setCupCarrierReady(bool ready)
{
    if (ready == m_cupCarrierReady)
        return;
    m_cupCarrierReady = ready;
    if (!ready)
        emit cupCarrierNotReady();
}
