#include "bridge/staticsettings/energysavingcapabilities.h"

#include "bridge/staticsettings/boilerequipment.h"

namespace bridge {
namespace staticsettings {

EnergySavingCapabilities::EnergySavingCapabilities(QObject* parent)
    : lea::staticsettings::EnergySavingCapabilities(parent)
{
}

EnergySavingCapabilities::~EnergySavingCapabilities() = default;

bool EnergySavingCapabilities::softModeLightEnabledSetting() const
{
    return machineModel() != MachineModel::Model6;
}

bool EnergySavingCapabilities::deepModeLightEnabledSetting() const
{
    return machineModel() != MachineModel::Model6;
}

bool EnergySavingCapabilities::softModeBoilerEspressoTemperatureSetting() const
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    return boilers && boilers->espresso;
}

bool EnergySavingCapabilities::deepModeBoilerEspressoTemperatureSetting() const
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    return boilers && boilers->espresso;
}

bool EnergySavingCapabilities::softModeBoilerInstantTemperatureSetting() const
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    return boilers && boilers->instantTemperature();
}

bool EnergySavingCapabilities::deepModeBoilerInstantTemperatureSetting() const
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    return boilers && boilers->instantTemperature();
}

bool EnergySavingCapabilities::softModeBoilerSteamPressureSetting() const
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    return boilers && boilers->steam;
}

bool EnergySavingCapabilities::deepModeBoilerSteamPressureSetting() const
{
    const nonstd::optional<BoilerEquipment> boilers = BoilerEquipment::loaded(Q_FUNC_INFO);
    return boilers && boilers->steam;
}

} // namespace staticsettings
} // namespace bridge
