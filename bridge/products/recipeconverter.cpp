#include "bridge/products/recipeconverter.h"

#include "bridge/products/cuptypeenumconverter.h"
#include "bridge/products/stepconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/configuration/typedstring.h"

namespace bridge {
namespace products {

lea::products::Recipes::Recipe RecipeConverter::coreRecipeToLeaRecipe(const Recipe& recipe)
{
    lea::products::Recipes::Recipe record;
    for (const AbstractPreparationStep* step : recipe.preparationStepsConst())
        record.steps.push_back(utils::idFromCore<lea::RecipeStepDbId>(step->dbId()));
    for (const RecipeCustomization* customization : recipe.customizations())
        record.customizations.push_back(utils::idFromCore<lea::CustomizationDbId>(customization->dbId()));

    record.name = recipe.name();
    record.translations = utils::translations(record.name, TypedString::RecipeName);
    record.hasStirrer = recipe.hasStirrer();
    record.hasCup = recipe.hasCup();
    record.dripTime_cs = recipe.dripTimeCS();
    record.dispensingTime = recipe.erogationTime();
    record.cupType = CupTypeEnumConverter::toExternalOrThrow(recipe.cupType());
    record.cupDropTurret = static_cast<uint8_t>(recipe.cupToDropFromTurret());
    record.validForLayout = recipe.isValidForLayout();
    record.valid = recipe.isValid();
    record.extraText = recipe.extraText();
    return record;
}

void RecipeConverter::updateCoreRecipeFromLeaRecipe(Recipe& recipe, lea::products::Recipes::Recipe record)
{
    // Checked first, so that a record that cannot be stored changes nothing.
    utils::requireStorableText(record.name);
    utils::requireStorableText(record.extraText);
    utils::requireStorableTexts(record.translations);
    recipe.setName(record.name);
    recipe.setHasStirrer(record.hasStirrer);
    recipe.setHasCup(record.hasCup);
    recipe.setDripTimeCS(static_cast<int>(record.dripTime_cs));
    recipe.setExtraText(record.extraText);
}

std::unique_ptr<Recipe> RecipeConverter::leaRecipeToCoreRecipe(
    const lea::products::FlatRecipes::Recipe& record)
{
    auto recipe = std::make_unique<Recipe>(record.name, record.hasCup, record.hasStirrer,
        static_cast<int>(record.dripTime_cs), CupTypeEnumConverter::toInternalOrThrow(record.cupType),
        Product::FirstTurret, false, nullptr);
    recipe->setExtraText(record.extraText);

    int temporaryId = -1;
    for (const lea::products::FlatRecipes::Step& stepRecord : record.steps) {
        std::unique_ptr<AbstractPreparationStep> step = StepConverter::leaStepToCoreStep(stepRecord);
        if (!step)
            return nullptr;
        step->setDbId(temporaryId);
        if (recipe->addPreparationStep(step.get(), nullptr, true)) {
            step.release();
            --temporaryId;
        }
    }
    return recipe;
}

} // namespace products
} // namespace bridge
