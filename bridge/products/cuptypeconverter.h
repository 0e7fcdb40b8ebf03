#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/recipe.h"
#include "lea/products/recipes.h"

namespace lguim {
template <> struct EnumPairs<Recipe::CupTypeEnum, lea::products::Recipes::CupType, void>
{
    using Lea = lea::products::Recipes;

    static constexpr EnumPair<Recipe::CupTypeEnum, lea::products::Recipes::CupType> pairs[] = {
        { Recipe::StandardCup, Lea::StandardCup },
        { Recipe::OwnCup, Lea::OwnCup },
        { Recipe::LargeCup, Lea::LargeCup },
        { Recipe::Mug, Lea::Mug },
    };
};
} // namespace lguim

namespace bridge {
namespace products {
using CupTypeConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, Recipe::CupTypeEnum, bridge::LeaEnum,
    lea::products::Recipes::CupType, void>;
} // namespace products
} // namespace bridge
