#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/recipecustomization.h"
#include "lea/products/customizations.h"

namespace bridge {
namespace products {
using CustomizationTypeEnumConverter
    = EnumConverter<RecipeCustomization::CustomizationType, lea::products::Customizations::CustomizationType>;
} // namespace products
} // namespace bridge

// The interface's Type3, Type6 and Type18 have no core partner, nor has the
// core's legacy type. Milk alternative reads as milk; milk writes back as milk.
template <>
inline constexpr auto lguim::enumPairs<bridge::products::CustomizationTypeEnumConverter::Key> {
    bridge::products::CustomizationTypeEnumConverter::pairs({
        { RecipeCustomization::IntensityCustomization, lea::products::Customizations::Type0 },
        { RecipeCustomization::StrengthCustomization, lea::products::Customizations::Type1 },
        { RecipeCustomization::TemperatureCustomization, lea::products::Customizations::Type2 },
        { RecipeCustomization::ChocolateCustomization, lea::products::Customizations::Type4 },
        { RecipeCustomization::SizeCustomization, lea::products::Customizations::Type5 },
        { RecipeCustomization::MilkCustomization, lea::products::Customizations::Type7 },
        { RecipeCustomization::MilkAlternativeCustomization, lea::products::Customizations::Type7 },
        { RecipeCustomization::FoamCustomization, lea::products::Customizations::Type8 },
        { RecipeCustomization::SugarCustomization, lea::products::Customizations::Sugar },
        { RecipeCustomization::HazelnutCustomization, lea::products::Customizations::Type10 },
        { RecipeCustomization::CinnamonCustomization, lea::products::Customizations::Type11 },
        { RecipeCustomization::DecafCustomization, lea::products::Customizations::Type12 },
        { RecipeCustomization::ToppingCustomization, lea::products::Customizations::Type13 },
        { RecipeCustomization::CreamCustomization, lea::products::Customizations::Type14 },
        { RecipeCustomization::WaterCustomization, lea::products::Customizations::Type15 },
        { RecipeCustomization::ExtraShotCustomization, lea::products::Customizations::Type16 },
        { RecipeCustomization::SyrupCustomization, lea::products::Customizations::Type17 },
        { RecipeCustomization::AromaCustomization, lea::products::Customizations::Type19 },
        { RecipeCustomization::CaramelCustomization, lea::products::Customizations::Type20 },
        { RecipeCustomization::IceCustomization, lea::products::Customizations::Type21 },
        { RecipeCustomization::SweetenerCustomization, lea::products::Customizations::Type22 },
        { RecipeCustomization::VanillaCustomization, lea::products::Customizations::Type23 },
        { RecipeCustomization::TeaCustomization, lea::products::Customizations::Type24 },
        { RecipeCustomization::CupCustomization, lea::products::Customizations::Cup },
        { RecipeCustomization::LidCustomization, lea::products::Customizations::Type26 },
        { RecipeCustomization::CustomCustomization, lea::products::Customizations::Type27 },
    })
};
