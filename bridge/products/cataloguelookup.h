#pragma once

#include "lea/ids.h"

class AbstractCustomizationAdjustment;
class AbstractIngredient;
class AbstractPreparationStep;
class Beverage;
class Canister;
class Category;
class Configuration;
class Product;
class QObject;
class Recipe;
class RecipeCustomization;

namespace bridge {
namespace products {

/// Look-ups of the loaded catalogue by interface id: the first object with
/// that id in catalogue order, or null. An id beyond the core's range names
/// nothing. Each costs a hash look-up in the configuration.
namespace lookup {

::Recipe* recipe(const Configuration& configuration, lea::RecipeDbId id);
AbstractPreparationStep* step(const Configuration& configuration, lea::RecipeStepDbId id);
AbstractIngredient* ingredient(const Configuration& configuration, lea::RecipeStepIngredientDbId id);
RecipeCustomization* customization(const Configuration& configuration, lea::CustomizationDbId id);
AbstractCustomizationAdjustment* adjustment(
    const Configuration& configuration, lea::CustomizationAdjustmentDbId id);
Beverage* beverage(const Configuration& configuration, lea::ProductDbId id);
Product* product(const Configuration& configuration, lea::ProductDbId id);
::Canister* canister(const Configuration& configuration, lea::CanisterDbId id);
::Category* category(const Configuration& configuration, lea::CategoryDbId id);

/// The step that holds a loaded ingredient.
AbstractPreparationStep* owningStep(const AbstractIngredient& ingredient);
/// The recipe that holds a loaded step, customization or adjustment.
::Recipe* owningRecipe(const QObject& object);

} // namespace lookup
} // namespace products
} // namespace bridge
