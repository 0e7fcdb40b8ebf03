#pragma once

#include "core/catalogue/product.h"
#include "core/configuration/typedstring.h"
#include "lea/products/products.h"
#include "nonstd/optional.hpp"

#include <set>

namespace bridge {
namespace products {

/// Converts between the core's products and the interface's basic records.
class ProductConverter
{
public:
    using BasicProduct = lea::products::Products::BasicProduct;
    using Attribute = lea::products::Products::Attribute;

    /// Throws std::invalid_argument for a product type the interface does not know.
    static BasicProduct coreProductToLeaBasicProduct(const Product& product);
    /// The OR of the attributes' bits; throws std::invalid_argument for an unknown attribute.
    static int leaAttributesToCoreAttributes(const std::set<Attribute>& attributes);
    /// The attributes of the mask's known bits; other bits are ignored.
    static std::set<Attribute> coreAttributesToLeaAttributes(int attributes);
    /// The typed-string type of a product's name; none for a type whose names are not translated.
    static nonstd::optional<TypedString::StringType> stringTypeForProductType(Product::ProductType type);
};

} // namespace products
} // namespace bridge
