#include "core/dadd/deliveryareadoordevicemanager.h"

namespace core {
namespace dadd {

DeliveryAreaDoorDeviceManager::DeliveryAreaDoorDeviceManager(QObject* parent)
    : QObject(parent)
{
}

DeliveryAreaDoorDeviceManager::~DeliveryAreaDoorDeviceManager() = default;

void DeliveryAreaDoorDeviceManager::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged();
}

void DeliveryAreaDoorDeviceManager::move(bool closed, MovementSource source)
{
    m_lastSource = source;
    if (closed == m_doorClosed)
        return;
    m_doorClosed = closed;
    emit doorStatusChanged();
}

} // namespace dadd
} // namespace core
