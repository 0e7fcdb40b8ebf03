#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/recipe.h"
#include "lea/products/recipes.h"

namespace bridge {
namespace products {
using CupTypeEnumConverter = EnumConverter<Recipe::CupTypeEnum, lea::products::Recipes::CupType>;
} // namespace products
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::products::CupTypeEnumConverter::Key> {
    bridge::products::CupTypeEnumConverter::pairs({
        { Recipe::StandardCup, lea::products::Recipes::StandardCup },
        { Recipe::OwnCup, lea::products::Recipes::OwnCup },
        { Recipe::LargeCup, lea::products::Recipes::LargeCup },
        { Recipe::Mug, lea::products::Recipes::Mug },
    })
};
