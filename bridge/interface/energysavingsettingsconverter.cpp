#include "bridge/interface/energysavingsettingsconverter.h"

#include "bridge/interface/brightnessenumconverter.h"
#include "bridge/interface/energymodeenumconverter.h"
#include "core/configuration/energysavingsettings.h"
#include "core/configuration/timebanddatasettings.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace bridge {
namespace interface {

namespace {

using Lea = lea::interface::EnergySaving;

struct CoreMode
{
    EnergySavingSettings::DisplayConstrast contrast;
    bool light;
    int boiler0;
    int boiler1;
};

CoreMode toCore(const Lea::ModeSettings& mode)
{
    return { BrightnessEnumConverter::toInternalOrThrow(mode.brightness), mode.lightEnabled,
        mode.boiler0Temperature, mode.boiler1Temperature };
}

/// The core counts these times in 32 bits; a longer one would wrap into another time.
int toCoreTime(int64_t time)
{
    if (time < std::numeric_limits<int>::min() || time > std::numeric_limits<int>::max())
        throw std::invalid_argument("Energy-saving time out of range: " + std::to_string(time));
    return int(time);
}

} // namespace

struct EnergySavingSettingsConverter::CoreSettings::Values
{
    int timeToSoftMode;
    int wakeUpTimeFromDeep;
    CoreMode soft;
    CoreMode deep;
};

EnergySavingSettingsConverter::Settings EnergySavingSettingsConverter::coreSettingsToLeaSettings(
    const EnergySavingSettings& settings)
{
    Settings converted;
    converted.timeToSoftMode = settings.timeToSoftMode();
    converted.wakeUpTimeFromDeepMode = settings.wakeUpTimeFromDeep();
    // Temperatures are tenths of a degree: they fit 16 bits.
    converted.softMode = { int16_t(settings.boilerTemperatureSoftMode(InputsOutputs::Boiler0)),
        int16_t(settings.boilerTemperatureSoftMode(InputsOutputs::Boiler1)), settings.lightEnableSoftMode(),
        BrightnessEnumConverter::toExternalOrThrow(settings.displayContrastValueSoftMode()) };
    converted.deepMode = { int16_t(settings.boilerTemperatureDeepMode(InputsOutputs::Boiler0)),
        int16_t(settings.boilerTemperatureDeepMode(InputsOutputs::Boiler1)), settings.lightEnableDeepMode(),
        BrightnessEnumConverter::toExternalOrThrow(settings.displayContrastValueDeepMode()) };
    for (const TimeBandDataSettings* state : settings.states()) {
        converted.states.push_back(
            { EnergyModeEnumConverter::toExternalOrThrow(EnergySavingSettings::EnergyMode(state->band())),
                state->day(), state->time() });
    }
    return converted;
}

EnergySavingSettingsConverter::CoreSettings::CoreSettings(const Settings& settings)
    : m_values(std::make_unique<Values>(Values { toCoreTime(settings.timeToSoftMode),
        toCoreTime(settings.wakeUpTimeFromDeepMode), toCore(settings.softMode), toCore(settings.deepMode) }))
{
    m_states.reserve(settings.states.size());
    for (const Lea::State& state : settings.states) {
        m_states.push_back(std::make_unique<TimeBandDataSettings>(
            state.time, state.day, EnergyModeEnumConverter::toInternalOrThrow(state.mode)));
    }
}

EnergySavingSettingsConverter::CoreSettings::~CoreSettings() = default;

void EnergySavingSettingsConverter::CoreSettings::applyTo(EnergySavingSettings& settings)
{
    settings.setTimeToSoftMode(m_values->timeToSoftMode);
    settings.setWakeUpTimeFromDeep(m_values->wakeUpTimeFromDeep);
    settings.setDisplayContrastValueSoftMode(m_values->soft.contrast);
    settings.setLightEnableSoftMode(m_values->soft.light);
    settings.setBoilerTemperatureSoftMode(InputsOutputs::Boiler1, m_values->soft.boiler1);
    settings.setBoilerTemperatureSoftMode(InputsOutputs::Boiler0, m_values->soft.boiler0);
    settings.setDisplayContrastValueDeepMode(m_values->deep.contrast);
    settings.setLightEnableDeepMode(m_values->deep.light);
    settings.setBoilerTemperatureDeepMode(InputsOutputs::Boiler1, m_values->deep.boiler1);
    settings.setBoilerTemperatureDeepMode(InputsOutputs::Boiler0, m_values->deep.boiler0);
    // Replaced, not appended: a settings record read and written back must not double the schedule.
    settings.clearStates();
    for (std::unique_ptr<TimeBandDataSettings>& state : m_states)
        settings.addState(state.release());
    m_states.clear();
}

} // namespace interface
} // namespace bridge
