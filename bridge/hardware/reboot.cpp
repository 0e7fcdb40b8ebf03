#include "bridge/hardware/reboot.h"

#include "core/coreenvironment.h"
#include "core/machine/rebootmanager.h"

namespace bridge {
namespace hardware {

Reboot::Reboot(QObject* parent)
    : lea::hardware::Reboot(parent)
{
}

void Reboot::rebootSoon()
{
    gCoreEnv->rebootManager()->rebootSystem();
}

void Reboot::rebootImmediately()
{
    gCoreEnv->rebootManager()->rebootSystemImmediately();
}

void Reboot::applicativeRebootSoon()
{
    gCoreEnv->rebootManager()->rebootApplication();
}

void Reboot::applicativeRebootImmediately()
{
    gCoreEnv->rebootManager()->rebootApplicationImmediately();
}

} // namespace hardware
} // namespace bridge
