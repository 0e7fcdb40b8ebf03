#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/recipecustomization.h"
#include "lea/products/customizations.h"

namespace lguim {
template <>
struct EnumPairs<RecipeCustomization::CustomizationType, lea::products::Customizations::CustomizationType,
    void>
{
    using Core = RecipeCustomization;
    using Lea = lea::products::Customizations;

    // The interface's Type3, Type6 and Type18 have no core partner, nor has the
    // core's legacy type. Milk alternative reads as milk; milk writes back as milk.
    static constexpr EnumPair<RecipeCustomization::CustomizationType,
        lea::products::Customizations::CustomizationType>
        pairs[] = {
            { Core::IntensityCustomization, Lea::Type0 },
            { Core::StrengthCustomization, Lea::Type1 },
            { Core::TemperatureCustomization, Lea::Type2 },
            { Core::ChocolateCustomization, Lea::Type4 },
            { Core::SizeCustomization, Lea::Type5 },
            { Core::MilkCustomization, Lea::Type7 },
            { Core::MilkAlternativeCustomization, Lea::Type7 },
            { Core::FoamCustomization, Lea::Type8 },
            { Core::SugarCustomization, Lea::Sugar },
            { Core::HazelnutCustomization, Lea::Type10 },
            { Core::CinnamonCustomization, Lea::Type11 },
            { Core::DecafCustomization, Lea::Type12 },
            { Core::ToppingCustomization, Lea::Type13 },
            { Core::CreamCustomization, Lea::Type14 },
            { Core::WaterCustomization, Lea::Type15 },
            { Core::ExtraShotCustomization, Lea::Type16 },
            { Core::SyrupCustomization, Lea::Type17 },
            { Core::AromaCustomization, Lea::Type19 },
            { Core::CaramelCustomization, Lea::Type20 },
            { Core::IceCustomization, Lea::Type21 },
            { Core::SweetenerCustomization, Lea::Type22 },
            { Core::VanillaCustomization, Lea::Type23 },
            { Core::TeaCustomization, Lea::Type24 },
            { Core::CupCustomization, Lea::Cup },
            { Core::LidCustomization, Lea::Type26 },
            { Core::CustomCustomization, Lea::Type27 },
        };
};
} // namespace lguim

namespace bridge {
namespace products {
using CustomizationTypeConverter
    = lguim::TaggedEnumConverter<bridge::CoreEnum, RecipeCustomization::CustomizationType, bridge::LeaEnum,
        lea::products::Customizations::CustomizationType, void>;
} // namespace products
} // namespace bridge
