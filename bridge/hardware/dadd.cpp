#include "bridge/hardware/dadd.h"

#include "core/dadd/deliveryareadoordevicemanager.h"
#include "core/hardwareenvironment.h"

namespace bridge {
namespace hardware {

namespace {
using Manager = core::dadd::DeliveryAreaDoorDeviceManager;

Manager& manager()
{
    return *gHardwareEnv->deliveryAreaDoorDeviceManager();
}
} // namespace

DADD::DADD(QObject* parent)
    : lea::hardware::DADD(parent)
{
    connect(&manager(), &Manager::enabledChanged, this, &DADD::enabledChanged);
    connect(&manager(), &Manager::doorStatusChanged, this, &DADD::statusChanged);
}

bool DADD::enabled() const
{
    return manager().isEnabled();
}

bool DADD::status() const
{
    return manager().isDoorClosed();
}

void DADD::openDoor()
{
    manager().openDadd(Manager::UserInterfaceRequest);
}

void DADD::closeDoor()
{
    manager().closeDadd(Manager::UserInterfaceRequest);
}

} // namespace hardware
} // namespace bridge
