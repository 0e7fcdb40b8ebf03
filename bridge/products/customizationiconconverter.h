#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/recipecustomization.h"
#include "lea/products/customizations.h"

namespace lguim {
template <> struct EnumPairs<RecipeCustomization::IconType, lea::products::Customizations::Icon, void>
{
    using Core = RecipeCustomization;
    using Lea = lea::products::Customizations;

    static constexpr EnumPair<RecipeCustomization::IconType, lea::products::Customizations::Icon> pairs[] = {
        { Core::NoIcon, Lea::Icon0 },
        { Core::BeanIcon, Lea::Icon1 },
        { Core::DropIcon, Lea::Icon2 },
        { Core::CupIcon, Lea::Icon3 },
        { Core::CubeIcon, Lea::Icon4 },
    };
};
} // namespace lguim

namespace bridge {
namespace products {
using CustomizationIconConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, RecipeCustomization::IconType,
    bridge::LeaEnum, lea::products::Customizations::Icon, void>;
} // namespace products
} // namespace bridge
