#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/instantingredient.h"
#include "lea/products/recipes.h"

namespace lguim {
template <>
struct EnumPairs<InstantIngredient::PowderCycle, lea::products::Recipes::Ingredient::PowderCycle::Type, void>
{
    using Core = InstantIngredient;
    using Lea = lea::products::Recipes::Ingredient::PowderCycle;

    // A continuously running auger (the core's NoPowderCycle) is told by an
    // absent cycle, not by a type.
    static constexpr EnumPair<InstantIngredient::PowderCycle,
        lea::products::Recipes::Ingredient::PowderCycle::Type>
        pairs[] = {
            { Core::PulsedPowderCycle, Lea::Pulsed },
            { Core::TimedPowderCycle, Lea::Timed },
        };
};
} // namespace lguim

namespace bridge {
namespace products {
using PowderCycleConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, InstantIngredient::PowderCycle,
    bridge::LeaEnum, lea::products::Recipes::Ingredient::PowderCycle::Type, void>;
} // namespace products
} // namespace bridge
