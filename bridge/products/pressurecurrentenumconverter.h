#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/espressopreparationstep.h"
#include "lea/products/recipes.h"

namespace bridge {
namespace products {
using PressureCurrentEnumConverter
    = EnumConverter<EspressoPreparationStep::CurrentValue, lea::products::Recipes::Step::PressureCurrent>;
} // namespace products
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::products::PressureCurrentEnumConverter::Key> {
    bridge::products::PressureCurrentEnumConverter::pairs({
        { EspressoPreparationStep::LowCurrent, lea::products::Recipes::Step::LowCurrent },
        { EspressoPreparationStep::MediumCurrent, lea::products::Recipes::Step::MediumCurrent },
        { EspressoPreparationStep::HighCurrent, lea::products::Recipes::Step::HighCurrent },
    })
};
