#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/instantpreparationstep.h"
#include "lea/products/recipes.h"

namespace bridge {
namespace products {
using MixerSpeedEnumConverter
    = EnumConverter<InstantPreparationStep::MixerSpeed, lea::products::Recipes::Step::Mixer::Speed>;
} // namespace products
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::products::MixerSpeedEnumConverter::Key> {
    bridge::products::MixerSpeedEnumConverter::pairs({
        { InstantPreparationStep::LowMixerSpeed, lea::products::Recipes::Step::Mixer::Low },
        { InstantPreparationStep::MediumMixerSpeed, lea::products::Recipes::Step::Mixer::Medium },
        { InstantPreparationStep::HighMixerSpeed, lea::products::Recipes::Step::Mixer::High },
    })
};
