#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/instantpreparationstep.h"
#include "lea/products/recipes.h"

namespace lguim {
template <>
struct EnumPairs<InstantPreparationStep::MixerSpeed, lea::products::Recipes::Step::Mixer::Speed, void>
{
    using Core = InstantPreparationStep;
    using Lea = lea::products::Recipes::Step::Mixer;

    static constexpr EnumPair<InstantPreparationStep::MixerSpeed, lea::products::Recipes::Step::Mixer::Speed>
        pairs[] = {
            { Core::LowMixerSpeed, Lea::Low },
            { Core::MediumMixerSpeed, Lea::Medium },
            { Core::HighMixerSpeed, Lea::High },
        };
};
} // namespace lguim

namespace bridge {
namespace products {
using MixerSpeedConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, InstantPreparationStep::MixerSpeed,
    bridge::LeaEnum, lea::products::Recipes::Step::Mixer::Speed, void>;
} // namespace products
} // namespace bridge
