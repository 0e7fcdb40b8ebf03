#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/energysavingsettings.h"
#include "lea/interface/energysaving.h"

namespace bridge {
namespace interface {
/// The display's dimming in an energy-saving mode between the core and the interface.
using BrightnessEnumConverter
    = EnumConverter<EnergySavingSettings::DisplayConstrast, lea::interface::EnergySaving::Brightness>;
} // namespace interface
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::interface::BrightnessEnumConverter::Key> {
    bridge::interface::BrightnessEnumConverter::pairs({
        { EnergySavingSettings::ContrastLow, lea::interface::EnergySaving::BrightnessLow },
        { EnergySavingSettings::ContrastMedium, lea::interface::EnergySaving::BrightnessMedium },
        { EnergySavingSettings::ContrastHigh, lea::interface::EnergySaving::BrightnessHigh },
    })
};
