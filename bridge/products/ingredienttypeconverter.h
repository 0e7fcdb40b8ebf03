#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/abstractingredient.h"
#include "lea/products/recipes.h"

namespace lguim {
template <> struct EnumPairs<AbstractIngredient::IngredientType, lea::products::Recipes::IngredientType, void>
{
    using Core = AbstractIngredient;
    using Lea = lea::products::Recipes;

    // The core's undefined and fresh-milk ingredients have no partner.
    static constexpr EnumPair<AbstractIngredient::IngredientType, lea::products::Recipes::IngredientType>
        pairs[] = {
            { Core::DrySugarIngredientType, Lea::IngredientDrySugar },
            { Core::EspressoIngredientType, Lea::IngredientEspresso },
            { Core::InstantIngredientType, Lea::IngredientInstant },
            { Core::SyrupIngredientType, Lea::IngredientSyrup },
        };
};
} // namespace lguim

namespace bridge {
namespace products {
using IngredientTypeConverter = lguim::TaggedEnumConverter<bridge::CoreEnum,
    AbstractIngredient::IngredientType, bridge::LeaEnum, lea::products::Recipes::IngredientType, void>;
} // namespace products
} // namespace bridge
