#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/generalsettings.h"
#include "lea/hardware/cupsensor.h"

namespace bridge {
namespace hardware {
/// The rule for dispensing without a detected cup between the core and the interface.
using ErogationRuleEnumConverter
    = EnumConverter<GeneralSettings::ForceErogationRules, lea::hardware::CupSensor::ErogationRule>;
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::ErogationRuleEnumConverter::Key> {
    bridge::hardware::ErogationRuleEnumConverter::pairs({
        { GeneralSettings::ForceErogationRule0, lea::hardware::CupSensor::Rule0 },
        { GeneralSettings::ForceErogationRule1, lea::hardware::CupSensor::Rule1 },
        { GeneralSettings::ForceErogationRule2, lea::hardware::CupSensor::Rule2 },
    })
};
