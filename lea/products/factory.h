#pragma once

#include "lea/priv/abstractfactory.h"
#include "lea/products/beverages.h"
#include "lea/products/canisters.h"
#include "lea/products/categories.h"
#include "lea/products/coffeestogo.h"
#include "lea/products/cups.h"
#include "lea/products/customizations.h"
#include "lea/products/filters.h"
#include "lea/products/flatrecipes.h"
#include "lea/products/nutritionalinformation.h"
#include "lea/products/products.h"
#include "lea/products/promotions.h"
#include "lea/products/recipes.h"
#include "lea/products/upsellings.h"

namespace lea {
namespace products {

/// The factory of the products accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<Recipes, Categories, Canisters, Beverages, Customizations,
    NutritionalInformation, Products, Promotions, CoffeesToGo, Upsellings, Cups, Filters, FlatRecipes>;

} // namespace products
} // namespace lea
