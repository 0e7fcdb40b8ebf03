#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/machinesettings.h"
#include "lea/hardware/boilertemperature.h"

namespace bridge {
namespace hardware {
/// How the espresso boiler is boosted.
using BoostEspressoTypeEnumConverter
    = EnumConverter<MachineSettings::BoostEspressoType, lea::hardware::BoilerTemperature::BoostEspressoType>;
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::BoostEspressoTypeEnumConverter::Key> {
    bridge::hardware::BoostEspressoTypeEnumConverter::pairs({
        { MachineSettings::NoEspressoBoost, lea::hardware::BoilerTemperature::NoEspressoBoost },
        { MachineSettings::EspressoBoost, lea::hardware::BoilerTemperature::EspressoBoost },
    })
};
