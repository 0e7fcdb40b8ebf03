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
    if ((model == HardwareEnvironment::FloorStandingInstant || model == HardwareEnvironment::Quorra) && !boilers->instant)
        return true;
    return model == HardwareEnvironment::CompactEspresso;
}

bool BoilerCapabilities::espressoBoostModeSettingEditable() const
{
    if (!espressoBoostModeSetting())
        return false;
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    if (!boilers)
        return false;
    return machineModel() != HardwareEnvironment::CompactEspresso || !boilers->instant;
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
