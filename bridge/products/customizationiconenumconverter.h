#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/recipecustomization.h"
#include "lea/products/customizations.h"

namespace bridge {
namespace products {
using CustomizationIconEnumConverter
    = EnumConverter<RecipeCustomization::IconType, lea::products::Customizations::Icon>;
} // namespace products
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::products::CustomizationIconEnumConverter::Key> {
    bridge::products::CustomizationIconEnumConverter::pairs({
        { RecipeCustomization::NoIcon, lea::products::Customizations::Icon0 },
        { RecipeCustomization::BeanIcon, lea::products::Customizations::Icon1 },
        { RecipeCustomization::DropIcon, lea::products::Customizations::Icon2 },
        { RecipeCustomization::CupIcon, lea::products::Customizations::Icon3 },
        { RecipeCustomization::CubeIcon, lea::products::Customizations::Icon4 },
    })
};
