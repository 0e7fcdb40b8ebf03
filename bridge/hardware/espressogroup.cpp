#include "bridge/hardware/espressogroup.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/configuration/espressosettings.h"

namespace bridge {
namespace hardware {

EspressoGroup::EspressoGroup(QObject* parent)
    : lea::hardware::EspressoGroup(parent)
{
}

EspressoGroup::~EspressoGroup() = default;

lea::hardware::EspressoGroup::Settings EspressoGroup::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const MachineSettings& machine = *configuration->machineSettings();
    const EspressoSettings& espresso = *configuration->espressoSettings();
    return { espresso.pregrinding(), espresso.grinderSensor(), machine.boostEspressoWater() };
}

void EspressoGroup::setSettings(const Settings& settings)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    MachineSettings& machine = *configuration->machineSettings();
    EspressoSettings& espresso = *configuration->espressoSettings();
    utils::Rollback rollback(machine);
    rollback.add(espresso);
    espresso.setPregrinding(settings.pregrinding);
    espresso.setGrinderSensor(settings.grinderSensor);
    machine.setBoostEspressoWater(settings.boostEspressoWater);
    if (utils::FailureLog(Q_FUNC_INFO, Log::Database)
            .stored(configuration->saveMachineSettings(), "Failed to save espresso group settings"))
        rollback.commit();
}

} // namespace hardware
} // namespace bridge
