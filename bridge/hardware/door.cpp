#include "bridge/hardware/door.h"

#include "core/coreenvironment.h"
#include "core/machine/machine.h"

namespace bridge {
namespace hardware {

Door::Door(QObject* parent)
    : lea::hardware::Door(parent)
{
}

bool Door::isOpened() const
{
    return gCoreEnv->machine()->isDoorOpen();
}

bool Door::canOpen() const
{
    return gCoreEnv->machine()->canEnterInTechnicalMenu();
}

void Door::simulateOpened()
{
    gCoreEnv->machine()->simulateDoorOpened();
}

void Door::simulateClosed()
{
    gCoreEnv->machine()->simulateDoorClosed();
}

} // namespace hardware
} // namespace bridge
