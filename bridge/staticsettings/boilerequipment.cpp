#include "bridge/staticsettings/boilerequipment.h"

#include "bridge/utils.h"
#include "core/configuration/configuration.h"

namespace bridge {
namespace staticsettings {

nonstd::optional<BoilerEquipment> BoilerEquipment::loaded(const char* signature)
{
    const Configuration* configuration = utils::loadedConfiguration(signature);
    if (!configuration)
        return nonstd::nullopt;
    return BoilerEquipment { configuration->isEspressoBoilerAvailable(),
        configuration->isInstantBoilerAvailable(), configuration->isSteamBoilerAvailable(),
        configuration->isEspressoBoilerForInstantAvailable() };
}

bool hasEspressoBoiler(const char* signature)
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(signature);
    return boilers && boilers->espresso;
}

bool hasSteamBoiler(const char* signature)
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(signature);
    return boilers && boilers->steam;
}

bool hasInstantTemperature(const char* signature)
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(signature);
    return boilers && boilers->instantTemperature();
}

HardwareEnvironment::MachineModel machineModel()
{
    return gHardwareEnv->machineModel();
}

} // namespace staticsettings
} // namespace bridge
