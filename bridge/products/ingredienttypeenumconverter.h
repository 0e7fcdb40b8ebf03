#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/abstractingredient.h"
#include "lea/products/recipes.h"

namespace bridge {
namespace products {
using IngredientTypeEnumConverter
    = EnumConverter<AbstractIngredient::IngredientType, lea::products::Recipes::IngredientType>;
} // namespace products
} // namespace bridge

// The core's undefined and fresh-milk ingredients have no partner.
template <>
inline constexpr auto lguim::enumPairs<bridge::products::IngredientTypeEnumConverter::Key> {
    bridge::products::IngredientTypeEnumConverter::pairs({
        { AbstractIngredient::DrySugarIngredientType, lea::products::Recipes::IngredientDrySugar },
        { AbstractIngredient::EspressoIngredientType, lea::products::Recipes::IngredientEspresso },
        { AbstractIngredient::InstantIngredientType, lea::products::Recipes::IngredientInstant },
        { AbstractIngredient::SyrupIngredientType, lea::products::Recipes::IngredientSyrup },
    })
};
