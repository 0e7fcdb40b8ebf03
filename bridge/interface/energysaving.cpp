#include "bridge/interface/energysaving.h"

#include "bridge/interface/energymodeenumconverter.h"
#include "bridge/interface/energysavingsettingsconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/configuration/energysavingsettings.h"
#include "core/configuration/timebanddatasettings.h"
#include "core/coreenvironment.h"
#include "core/machine/energysavingtimer.h"
#include "core/machine/machine.h"

#include <memory>

namespace bridge {
namespace interface {

EnergySaving::EnergySaving(QObject* parent)
    : lea::interface::EnergySaving(parent)
{
    Machine* machine = gCoreEnv->machine();
    connect(machine->energySavingTimer(), &EnergySavingTimer::energySavingStateNameChanged, this,
        &EnergySaving::stateChanged);
    connect(machine, &Machine::energySavingStarted, this, &EnergySaving::started);
    connect(machine, &Machine::energySavingFinished, this, &EnergySaving::finished);
    utils::connectToConfiguration(
        &Configuration::energySavingSettingsChanged, this, &EnergySaving::settingsChanged);
}

EnergySaving::Mode EnergySaving::currentMode() const
{
    return EnergyModeEnumConverter::toExternalOrThrow(gCoreEnv->machine()->energyMode());
}

nonstd::optional<EnergySaving::Settings> EnergySaving::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    return EnergySavingSettingsConverter::coreSettingsToLeaSettings(*configuration->energySavingSettings());
}

void EnergySaving::setSettings(const nonstd::optional<Settings>& settings)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration || !settings)
        return;
    EnergySavingSettingsConverter::CoreSettings converted(*settings);
    EnergySavingSettings& coreSettings = *configuration->energySavingSettings();
    utils::Rollback rollback(coreSettings);
    std::vector<std::unique_ptr<TimeBandDataSettings>> previousStates;
    for (TimeBandDataSettings* state : coreSettings.takeStates())
        previousStates.emplace_back(state);
    converted.applyTo(coreSettings);
    if (!utils::FailureLog(Q_FUNC_INFO, Log::EnergySaving)
             .stored(configuration->saveEnergySavingSettings(), "Failed saving energy-saving settings")) {
        coreSettings.clearStates();
        for (std::unique_ptr<TimeBandDataSettings>& state : previousStates)
            coreSettings.addState(state.release());
        return;
    }
    rollback.commit();
}

bool EnergySaving::energySavingSettingsEnabled() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration && configuration->energySavingSettings()->enable();
}

void EnergySaving::setEnergySavingSettingsEnabled(bool enabled)
{
    if (Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO))
        configuration->energySavingSettings()->setEnable(enabled);
}

std::vector<EnergySaving::Brightness> EnergySaving::availableBrightnessTypes() const
{
    return { BrightnessLow, BrightnessMedium };
}

void EnergySaving::askExit()
{
    gCoreEnv->machine()->onClickedEnergySaving();
}

} // namespace interface
} // namespace bridge
