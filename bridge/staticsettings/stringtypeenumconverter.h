#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/typedstring.h"
#include "lea/staticsettings/languages.h"

namespace bridge {
namespace staticsettings {
using StringTypeEnumConverter
    = EnumConverter<TypedString::StringType, lea::staticsettings::Languages::StringType>;
} // namespace staticsettings
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::staticsettings::StringTypeEnumConverter::Key> {
    bridge::staticsettings::StringTypeEnumConverter::pairs({
        { TypedString::BeverageName, lea::staticsettings::Languages::BeverageName },
        { TypedString::BeverageDescription, lea::staticsettings::Languages::BeverageDescription },
        { TypedString::RecipeName, lea::staticsettings::Languages::RecipeName },
        { TypedString::IngredientName, lea::staticsettings::Languages::IngredientName },
        { TypedString::CanisterName, lea::staticsettings::Languages::CanisterName },
        { TypedString::CustomizationName, lea::staticsettings::Languages::CustomizationName },
        { TypedString::AdjustmentName, lea::staticsettings::Languages::AdjustmentName },
        { TypedString::CategoryTitle, lea::staticsettings::Languages::CategoryTitle },
        { TypedString::CategoryDescription, lea::staticsettings::Languages::CategoryDescription },
        { TypedString::PlaylistName, lea::staticsettings::Languages::PlaylistName },
        { TypedString::SnackName, lea::staticsettings::Languages::SnackName },
        { TypedString::SnackDescription, lea::staticsettings::Languages::SnackDescription },
        { TypedString::RollingText, lea::staticsettings::Languages::RollingText },
        { TypedString::FilterName, lea::staticsettings::Languages::FilterName },
        { TypedString::PromotionName, lea::staticsettings::Languages::PromotionName },
        { TypedString::PromotionDescription, lea::staticsettings::Languages::PromotionDescription },
        { TypedString::CoffeeToGoName, lea::staticsettings::Languages::CoffeeToGoName },
        { TypedString::UpsellingName, lea::staticsettings::Languages::UpsellingName },
        { TypedString::NutritionalName, lea::staticsettings::Languages::NutritionalName },
        { TypedString::AllergenName, lea::staticsettings::Languages::AllergenName },
        { TypedString::WebViewName, lea::staticsettings::Languages::WebViewName },
        { TypedString::NewsText, lea::staticsettings::Languages::NewsText },
    })
};
