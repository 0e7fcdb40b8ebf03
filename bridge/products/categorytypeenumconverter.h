#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/category.h"
#include "lea/products/categories.h"

namespace bridge {
namespace products {
using CategoryTypeEnumConverter = EnumConverter<Category::CategoryType, lea::products::Categories::Type>;
} // namespace products
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::products::CategoryTypeEnumConverter::Key> {
    bridge::products::CategoryTypeEnumConverter::pairs({
        { Category::StandardCategory, lea::products::Categories::Type0 },
        { Category::HotDrinksCategory, lea::products::Categories::Type1 },
        { Category::SubCategory, lea::products::Categories::SubCategory },
        { Category::SnacksCategory, lea::products::Categories::Type3 },
        { Category::GroupingCategory, lea::products::Categories::Group },
        { Category::FavouritesCategory, lea::products::Categories::Type5 },
        { Category::PromotionsCategory, lea::products::Categories::Type6 },
        { Category::CoffeeToGoCategory, lea::products::Categories::Type7 },
        { Category::CustomCategory, lea::products::Categories::Type8 },
    })
};
