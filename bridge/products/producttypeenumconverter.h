#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/product.h"
#include "lea/products/products.h"

namespace bridge {
namespace products {
using ProductTypeEnumConverter = EnumConverter<Product::ProductType, lea::products::Products::ProductType>;
} // namespace products
} // namespace bridge

// The base product's type has no interface value: every product sold is of a kind.
template <>
inline constexpr auto lguim::enumPairs<bridge::products::ProductTypeEnumConverter::Key> {
    bridge::products::ProductTypeEnumConverter::pairs({
        { Product::Beverage, lea::products::Products::BeverageProduct },
        { Product::Snack, lea::products::Products::SnackProduct },
        { Product::SpecialProduct, lea::products::Products::SpecialProduct },
        { Product::Promotion, lea::products::Products::PromotionProduct },
        { Product::CoffeeToGoProduct, lea::products::Products::CoffeeToGoProduct },
        { Product::UpsellingItem, lea::products::Products::UpsellingProduct },
    })
};
