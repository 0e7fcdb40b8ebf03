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
    return machineModel() != HardwareEnvironment::Quorra;
}

bool EnergySavingCapabilities::deepModeLightEnabledSetting() const
{
    return machineModel() != HardwareEnvironment::Quorra;
}

bool EnergySavingCapabilities::softModeBoilerEspressoTemperatureSetting() const
{
    return hasEspressoBoiler(Q_FUNC_INFO);
}

bool EnergySavingCapabilities::deepModeBoilerEspressoTemperatureSetting() const
{
    return hasEspressoBoiler(Q_FUNC_INFO);
}

bool EnergySavingCapabilities::softModeBoilerInstantTemperatureSetting() const
{
    return hasInstantTemperature(Q_FUNC_INFO);
}

bool EnergySavingCapabilities::deepModeBoilerInstantTemperatureSetting() const
{
    return hasInstantTemperature(Q_FUNC_INFO);
}

bool EnergySavingCapabilities::softModeBoilerSteamPressureSetting() const
{
    return hasSteamBoiler(Q_FUNC_INFO);
}

bool EnergySavingCapabilities::deepModeBoilerSteamPressureSetting() const
{
    return hasSteamBoiler(Q_FUNC_INFO);
}

} // namespace staticsettings
} // namespace bridge
