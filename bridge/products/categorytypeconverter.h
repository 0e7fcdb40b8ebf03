#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/category.h"
#include "lea/products/categories.h"

namespace lguim {
template <> struct EnumPairs<Category::CategoryType, lea::products::Categories::Type, void>
{
    using Lea = lea::products::Categories;

    static constexpr EnumPair<Category::CategoryType, lea::products::Categories::Type> pairs[] = {
        { Category::StandardCategory, Lea::Type0 },
        { Category::HotDrinksCategory, Lea::Type1 },
        { Category::SubCategory, Lea::SubCategory },
        { Category::SnacksCategory, Lea::Type3 },
        { Category::GroupingCategory, Lea::Group },
        { Category::FavouritesCategory, Lea::Type5 },
        { Category::PromotionsCategory, Lea::Type6 },
        { Category::CoffeeToGoCategory, Lea::Type7 },
        { Category::CustomCategory, Lea::Type8 },
    };
};
} // namespace lguim

namespace bridge {
namespace products {
using CategoryTypeConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, Category::CategoryType,
    bridge::LeaEnum, lea::products::Categories::Type, void>;
} // namespace products
} // namespace bridge
