#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/product.h"
#include "lea/products/products.h"

namespace bridge {
namespace products {
/// The core's attribute mask bit by bit; masks convert through the flag-set helper.
using ProductAttributeEnumConverter
    = EnumConverter<Product::ProductAttribute, lea::products::Products::Attribute>;
} // namespace products
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::products::ProductAttributeEnumConverter::Key> {
    bridge::products::ProductAttributeEnumConverter::pairs({
        { Product::Hot, lea::products::Products::Attribute0 },
        { Product::Cold, lea::products::Products::Attribute1 },
        { Product::WithMilk, lea::products::Products::Attribute2 },
        { Product::Decaffeinated, lea::products::Products::Attribute3 },
        { Product::Vegan, lea::products::Products::Attribute4 },
        { Product::Sweet, lea::products::Products::Attribute5 },
        { Product::Seasonal, lea::products::Products::Attribute6 },
        { Product::New, lea::products::Products::Attribute7 },
    })
};
