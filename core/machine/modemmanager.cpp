#include "core/machine/modemmanager.h"

namespace {
// Stores `value` and emits `changed` only when it differs.
template <class T>
void update(ModemManager* manager, T& member, const T& value, void (ModemManager::*changed)())
{
    if (member == value)
        return;
    member = value;
    emit(manager->*changed)();
}
} // namespace

ModemManager::ModemManager(QObject* parent)
    : QObject(parent)
{
}

ModemManager::~ModemManager() = default;

void ModemManager::setRssi(int rssi)
{
    update(this, m_rssi, rssi, &ModemManager::rssiChanged);
}

void ModemManager::setPlmn(const QString& plmn)
{
    update(this, m_plmn, plmn, &ModemManager::plmnChanged);
}

void ModemManager::setImsi(const QString& imsi)
{
    update(this, m_imsi, imsi, &ModemManager::imsiChanged);
}

void ModemManager::setImei(const QString& imei)
{
    update(this, m_imei, imei, &ModemManager::imeiChanged);
}

void ModemManager::setMobileNetworkCode(const QString& code)
{
    update(this, m_mobileNetworkCode, code, &ModemManager::mobileNetworkCodeChanged);
}

void ModemManager::setMobileCountryCode(const QString& code)
{
    update(this, m_mobileCountryCode, code, &ModemManager::mobileCountryCodeChanged);
}

void ModemManager::setLocationAreaCode(const QString& code)
{
    update(this, m_locationAreaCode, code, &ModemManager::locationAreaCodeChanged);
}

void ModemManager::setCellId(const QString& id)
{
    update(this, m_cellId, id, &ModemManager::cellIdChanged);
}

void ModemManager::setConnectionStatus(ConnectionStatus status)
{
    update(this, m_connectionStatus, status, &ModemManager::connectionStatusChanged);
}
