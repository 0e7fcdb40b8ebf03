#include "bridge/hardware/brewer.h"

#include "core/coreenvironment.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"

namespace bridge {
namespace hardware {

Brewer::Brewer(QObject* parent)
    : lea::hardware::Brewer(parent)
{
}

void Brewer::restartBrewer()
{
    gCoreEnv->machine()->erogationManager()->initEspressoGroup();
}

void Brewer::skipRestart()
{
    gCoreEnv->machine()->setEspressoBrewerInitPrompted(true);
}

bool Brewer::initAvailable() const
{
    return gCoreEnv->machine()->isEspressoBrewerInitAvailable();
}

} // namespace hardware
} // namespace bridge
