#pragma once

#include "core/catalogue/canister.h"

#include <QList>
#include <QLocale>
#include <QMap>
#include <QString>

class CoreEnvironment;

/// Database ids of the catalogue that seedTestCatalogue() stores.
///
/// Recipes (steps in order, ingredients in brackets):
/// - Espresso: espresso [coffee beans 8 g], dry sugar [sugar 5 g];
///   customization Strength (type 0) with a powder adjustment of the coffee beans.
/// - Hot chocolate: instant [chocolate 25 g, milk powder 10 g], water only 50 ml.
/// - Cappuccino: espresso [coffee beans 9 g], instant [milk powder 12 g],
///   instant [chocolate 3 g, milk powder 4 g]; customizations Sugar (type 4,
///   parameter kind 2 from 1 to 9) with
///   a powder adjustment of the sugar canister (logical id 7) and Milk
///   alternative (type 25) with a water adjustment of the instant steps.
/// Canisters: coffee beans (min 20, max 80), milk powder, chocolate, sugar
/// (logical id 7), and a fresh-product canister (type 3) without ingredient.
/// Categories in display order: Hot drinks (type 1, displayed, products
/// espresso, -1, hot chocolate), Seasonal (not displayed), Specialities
/// (type 4, displayed), Milk drinks (type 2, displayed); category screen
/// enabled with layout values 3 and 2. One beverage per recipe.
struct TestCatalogue
{
    int espresso = -1, hotChocolate = -1, cappuccino = -1;
    QList<int> espressoSteps, hotChocolateSteps, cappuccinoSteps;
    /// Ingredient ids per step id, in step order.
    QMap<int, QList<int>> stepIngredients;
    QMap<Canister::LogicalCanisterId, int> canisters;
    /// In display order.
    QList<int> categories;
    int strengthCustomization = -1, sugarCustomization = -1, milkCustomization = -1;
    int strengthAdjustment = -1, sugarAdjustment = -1, milkAdjustment = -1;
    int espressoBeverage = -1, hotChocolateBeverage = -1, cappuccinoBeverage = -1;
};

/// Stores the catalogue above, with translations of its texts, in the active
/// configuration group's database of `core` through the core's loader; a
/// failed write is reported as a test failure. Load a configuration afterwards
/// to see it.
TestCatalogue seedTestCatalogue(CoreEnvironment& core);

/// The shape of a generated catalogue, for benchmarks and tests at scale:
/// recipes "Recipe 0000" ... whose steps cycle through espresso, instant,
/// instant and dry sugar, each with `ingredientsPerStep` ingredients;
/// categories "Category 00" ... of `productsPerCategory` products (every
/// fifth cell empty); canisters "Canister 00" ... holding the logical
/// ingredients 1 to 36 in turn; every name translated into `languages`.
struct GeneratedCatalogue
{
    int recipes = 1000, stepsPerRecipe = 4, ingredientsPerStep = 2;
    int categories = 60, productsPerCategory = 12, canisters = 36;
    QList<QLocale::Language> languages;
    /// Beverages "Beverage 000" ... without recipe, each with a price in every
    /// band for every payment type and an executive line (see generatedPrice()).
    int pricedBeverages = 0;
    /// Beverages "Product 000" ... of the first recipes, one each, with the
    /// attribute bits of their number.
    int beverages = 0;
};

/// Stores a generated catalogue in one transaction; false when a write fails.
bool seedGeneratedCatalogue(CoreEnvironment& core, const GeneratedCatalogue& shape);
QString generatedRecipeName(int i);
QString generatedCategoryTitle(int i);
QString generatedCanisterName(int i);
/// The logical ingredient of generated canister `i`.
Canister::LogicalCanisterId generatedLogicalId(int i);
/// The price of priced beverage `i` in core band `band` for payment type `type`
/// (0 to 2); for type 3 the executive line.
int generatedPrice(int i, int band, int type);
