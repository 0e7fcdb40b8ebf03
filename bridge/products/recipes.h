#pragma once

#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "lea/products/recipes.h"

#include <memory>
#include <utility>
#include <vector>

class ConfigurationLoader;
class Recipe;

namespace bridge {
namespace products {

/// The recipes of the loaded configuration, with their steps and ingredients.
/// Reads go to the loaded core objects; writes go to them and to the database
/// at once. changed() follows the loaded configuration's recipesChanged().
class Recipes : public lea::products::Recipes
{
    Q_OBJECT

public:
    explicit Recipes(QObject* parent);

    nonstd::optional<Recipe> recipe(lea::RecipeDbId id) const override;
    std::map<lea::RecipeDbId, Recipe> recipes() const override;
    nonstd::optional<lea::RecipeDbId> createRecipe(const Recipe& recipe) override;
    void updateRecipe(lea::RecipeDbId id, const Recipe& recipe) override;
    void deleteRecipe(lea::RecipeDbId id) override;
    void reorderRecipeSteps(lea::RecipeDbId id, const Recipe& recipe) override;
    Recipe defaultRecipe() const override;
    void reload() override;

    nonstd::optional<Step> step(lea::RecipeStepDbId id) const override;
    nonstd::optional<lea::RecipeStepDbId> createStep(const Step& step) override;
    void updateStep(lea::RecipeStepDbId id, const Step& step) override;
    void deleteStep(lea::RecipeStepDbId stepId, lea::RecipeDbId recipeId) override;
    bool isTeskMilkStep(lea::RecipeStepDbId id) const override;
    bool canAdjustWaterDose(lea::RecipeStepDbId id) const override;
    WaterVolumeInfo waterVolumeInfo_ml(lea::RecipeStepDbId id) const override;

    nonstd::optional<Ingredient> ingredient(lea::RecipeStepIngredientDbId id) const override;
    nonstd::optional<lea::RecipeStepIngredientDbId> createIngredient(
        const Ingredient& ingredient, lea::RecipeStepDbId stepId) override;
    void updateIngredient(
        lea::RecipeStepIngredientDbId id, lea::RecipeStepDbId stepId, const Ingredient& ingredient) override;
    void deleteIngredient(lea::RecipeStepIngredientDbId id, lea::RecipeStepDbId stepId) override;
    std::vector<Ingredient> beverageIngredients(lea::ProductDbId id) const override;
    bool canAdjustPowderDose(lea::RecipeStepIngredientDbId id) const override;

    // Look-ups in the loaded configuration; null when none is loaded or nothing matches.

    ::Recipe* coreRecipeFromId(int id) const;
    /// The first step with that id, in recipe and step order.
    AbstractPreparationStep* coreStepFromId(int id) const;
    AbstractIngredient* coreIngredientFromId(int id) const;
    /// The step holding the first ingredient with that id, with the ingredient.
    std::pair<AbstractPreparationStep*, AbstractIngredient*> coreStepAndIngredientFromIngredientId(
        int id) const;
    nonstd::optional<Recipe> leaRecipeFromId(lea::RecipeDbId id) const;

    static std::unique_ptr<::Recipe> newCoreRecipe();
    /// Null, logged, for a step kind that cannot be stored on its own.
    static std::unique_ptr<AbstractPreparationStep> newCoreStepFromType(
        AbstractPreparationStep::PreparationStepType type);
    /// Null, logged, for an ingredient kind without core ingredient.
    static std::unique_ptr<AbstractIngredient> newCoreIngredientFromType(
        AbstractIngredient::IngredientType type);
    /// Unlinks `oldSteps` from the recipe, then links `newSteps` as a chain in
    /// their order; false at the first link the database refuses. Run it in a
    /// utils::Transaction so that a failure changes nothing.
    static bool replaceCoreRecipeStepsInDb(ConfigurationLoader& loader, lea::RecipeDbId recipeId,
        const std::vector<lea::RecipeStepDbId>& newSteps, const std::vector<lea::RecipeStepDbId>& oldSteps);
};

} // namespace products
} // namespace bridge
