#include "bridge/staticsettings/boilercapabilities.h"

#include "bridge/staticsettings/boilerequipment.h"

namespace bridge {
namespace staticsettings {

BoilerCapabilities::BoilerCapabilities(QObject* parent)
    : lea::staticsettings::BoilerCapabilities(parent)
{
}

BoilerCapabilities::~BoilerCapabilities() = default;

bool BoilerCapabilities::espressoBoilerTemperatureSetting() const
{
    return hasEspressoBoiler(Q_FUNC_INFO);
}

bool BoilerCapabilities::instantBoilerTemperatureSetting() const
{
    return hasInstantTemperature(Q_FUNC_INFO);
}

bool BoilerCapabilities::steamBoilerPressureSetting() const
{
    return hasSteamBoiler(Q_FUNC_INFO);
}

bool BoilerCapabilities::minSteamBoilerPressureDrinkDeliverySetting() const
{
    return hasSteamBoiler(Q_FUNC_INFO);
}

bool BoilerCapabilities::espressoBoostModeSetting() const
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    if (!boilers)
        return false;
    const HardwareEnvironment::MachineModel model = machineModel();
    if ((model == MachineModel::Model2 || model == MachineModel::Model6) && !boilers->instant)
        return true;
    return model == MachineModel::Model5;
}

bool BoilerCapabilities::espressoBoostModeSettingEditable() const
{
    if (!espressoBoostModeSetting())
        return false;
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    if (!boilers)
        return false;
    return machineModel() != MachineModel::Model5 || !boilers->instant;
}

bool BoilerCapabilities::instantBoostModeSetting() const
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    return boilers && !boilers->instant;
}

bool BoilerCapabilities::firstCoffeeBoostTimeSetting() const
{
    return espressoBoostModeSetting();
}

} // namespace staticsettings
} // namespace bridge
