#include "core/machine/machinedatabase.h"

#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"

MachineDatabase::MachineDatabase(QObject* parent)
    : QObject(parent)
{
}

MachineDatabase::~MachineDatabase() = default;

bool MachineDatabase::saveCanisterLevel(const Canister& canister)
{
    Configuration* configuration = gCoreEnv->configuration();
    return configuration && configuration->loader()->saveCanisterLevel(canister);
}

bool MachineDatabase::saveCanistersCalibration()
{
    Configuration* configuration = gCoreEnv->configuration();
    return configuration
        && configuration->loader()->saveCanistersCalibration(configuration->canisters().values());
}
