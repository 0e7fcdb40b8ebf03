#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/machinesettings.h"
#include "lea/hardware/boilertemperature.h"

namespace bridge {
namespace hardware {
/// How the instant boiler is boosted.
using BoostInstantTypeEnumConverter
    = EnumConverter<MachineSettings::BoostInstantType, lea::hardware::BoilerTemperature::BoostInstantType>;
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::BoostInstantTypeEnumConverter::Key> {
    bridge::hardware::BoostInstantTypeEnumConverter::pairs({
        { MachineSettings::NoInstantBoost, lea::hardware::BoilerTemperature::NoInstantBoost },
        { MachineSettings::InstantBoost, lea::hardware::BoilerTemperature::InstantBoost },
    })
};
