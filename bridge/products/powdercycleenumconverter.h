#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/instantingredient.h"
#include "lea/products/recipes.h"

namespace bridge {
namespace products {
using PowderCycleEnumConverter
    = EnumConverter<InstantIngredient::PowderCycle, lea::products::Recipes::Ingredient::PowderCycle::Type>;
} // namespace products
} // namespace bridge

// A continuously running auger (the core's NoPowderCycle) is told by an
// absent cycle, not by a type.
template <>
inline constexpr auto lguim::enumPairs<bridge::products::PowderCycleEnumConverter::Key> {
    bridge::products::PowderCycleEnumConverter::pairs({
        { InstantIngredient::PulsedPowderCycle, lea::products::Recipes::Ingredient::PowderCycle::Pulsed },
        { InstantIngredient::TimedPowderCycle, lea::products::Recipes::Ingredient::PowderCycle::Timed },
    })
};
