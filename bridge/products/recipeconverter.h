#pragma once

#include "core/catalogue/recipe.h"
#include "lea/products/flatrecipes.h"
#include "lea/products/recipes.h"

#include <memory>

namespace bridge {
namespace products {

/// Converts between the core's recipes and the interface's recipe records.
class RecipeConverter
{
public:
    /// Throws std::invalid_argument for a cup type the interface does not know.
    static lea::products::Recipes::Recipe coreRecipeToLeaRecipe(const Recipe& recipe);
    /// Writes name, cup and stirrer flags, drip time and text. The translations
    /// are the caller's to store, once the recipe is: stored before, they would
    /// stay behind a save the database refused. Throws std::invalid_argument,
    /// changing nothing, for a text that cannot be stored unchanged.
    static void updateCoreRecipeFromLeaRecipe(Recipe& recipe, lea::products::Recipes::Recipe record);
    /// A new recipe to dispense, with its steps and ingredients (temporary ids
    /// -1, -2 ...); null when a step cannot be made. Throws
    /// std::invalid_argument for a value that does not convert.
    static std::unique_ptr<Recipe> leaRecipeToCoreRecipe(const lea::products::FlatRecipes::Recipe& record);
};

} // namespace products
} // namespace bridge
