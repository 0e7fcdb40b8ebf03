#pragma once

#include "bridge/products/beverages.h"
#include "bridge/products/canisters.h"
#include "bridge/products/categories.h"
#include "bridge/products/customizations.h"
#include "bridge/products/products.h"
#include "bridge/products/recipes.h"
#include "lea/helpers/concretefactory.h"
#include "lea/products/factory.h"

namespace bridge {
namespace products {

/// Creates the products accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::products::Factory, bridge::products::Beverages,
    bridge::products::Canisters, bridge::products::Categories, bridge::products::Customizations,
    lea::products::NutritionalInformation, bridge::products::Products, bridge::products::Recipes,
    lea::products::Promotions, lea::products::CoffeesToGo, lea::products::Upsellings, lea::products::Cups,
    lea::products::Filters, lea::products::FlatRecipes>;

} // namespace products
} // namespace bridge
