#pragma once

#include "bridge/products/beverages.h"
#include "bridge/products/canisters.h"
#include "bridge/products/categories.h"
#include "bridge/products/coffeestogo.h"
#include "bridge/products/cups.h"
#include "bridge/products/customizations.h"
#include "bridge/products/filters.h"
#include "bridge/products/nutritionalinformation.h"
#include "bridge/products/products.h"
#include "bridge/products/promotions.h"
#include "bridge/products/recipes.h"
#include "bridge/products/upsellings.h"
#include "lea/helpers/concretefactory.h"
#include "lea/products/factory.h"

namespace bridge {
namespace products {

/// Creates the products accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::products::Factory, bridge::products::Beverages,
    bridge::products::Canisters, bridge::products::Categories, bridge::products::Customizations,
    bridge::products::NutritionalInformation, bridge::products::Products, bridge::products::Recipes,
    bridge::products::Promotions, bridge::products::CoffeesToGo, bridge::products::Upsellings,
    bridge::products::Cups, bridge::products::Filters, lea::products::FlatRecipes>;

} // namespace products
} // namespace bridge
