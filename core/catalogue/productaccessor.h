#pragma once

#include "core/catalogue/beverage.h"

/// Questions about products that depend on their kind.
class ProductAccessor
{
public:
    /// The beverage a product is made of: the product itself when it is a beverage, else null.
    static Beverage* beverageFromProduct(Product* product) { return qobject_cast<Beverage*>(product); }
};
