#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/espressopreparationstep.h"
#include "lea/products/recipes.h"

namespace lguim {
template <>
struct EnumPairs<EspressoPreparationStep::CurrentValue, lea::products::Recipes::Step::PressureCurrent, void>
{
    using Core = EspressoPreparationStep;
    using Lea = lea::products::Recipes::Step;

    static constexpr EnumPair<EspressoPreparationStep::CurrentValue,
        lea::products::Recipes::Step::PressureCurrent>
        pairs[] = {
            { Core::LowCurrent, Lea::LowCurrent },
            { Core::MediumCurrent, Lea::MediumCurrent },
            { Core::HighCurrent, Lea::HighCurrent },
        };
};
} // namespace lguim

namespace bridge {
namespace products {
using PressureCurrentConverter
    = lguim::TaggedEnumConverter<bridge::CoreEnum, EspressoPreparationStep::CurrentValue, bridge::LeaEnum,
        lea::products::Recipes::Step::PressureCurrent, void>;
} // namespace products
} // namespace bridge
