#include "bridge/products/recipes.h"

#include "bridge/products/customizationshelper.h"
#include "bridge/products/ingredientconverter.h"
#include "bridge/products/ingredienttypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/recipeconverter.h"
#include "bridge/products/stepconverter.h"
#include "bridge/products/steptypeenumconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/drysugarpreparationstep.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantpreparationstep.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/syruppreparationstep.h"
#include "core/catalogue/teapreparationstep.h"
#include "core/catalogue/wateronlypreparationstep.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/configurationmanager.h"
#include "core/coreenvironment.h"
#include "core/log/assert.h"
#include "core/log/logformatter.h"
#include "core/selection/userselectionmanager.h"

#include <algorithm>

namespace bridge {
namespace products {

namespace {

void logFailure(const char* signature, const char* text)
{
    LogFormatter(LogLevel::Warning).log(Log::Product) << signature << text;
}

/// A loader bound to the active configuration group's database, for one operation.
std::unique_ptr<ConfigurationLoader> newLoader()
{
    ConfigurationGroup* group = gCoreEnv->configurationGroup();
    if (!group)
        return nullptr;
    auto loader = std::make_unique<ConfigurationLoader>();
    loader->setDatabase(group->database());
    return loader;
}

template <class Id> int coreId(Id id)
{
    return static_cast<int>(id.value());
}

} // namespace

Recipes::Recipes(QObject* parent)
    : lea::products::Recipes(parent)
{
    utils::connectToConfiguration(&Configuration::recipesChanged, this, &lea::products::Recipes::changed);
}

nonstd::optional<Recipes::Recipe> Recipes::recipe(lea::RecipeDbId id) const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration&) { return leaRecipeFromId(id); });
}

std::map<lea::RecipeDbId, Recipes::Recipe> Recipes::recipes() const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration& configuration) {
        std::map<lea::RecipeDbId, Recipe> result;
        for (const ::Recipe* coreRecipe : configuration.recipes()) {
            // Of two recipes with one id, the first is kept.
            const auto id = utils::idFromCore<lea::RecipeDbId>(coreRecipe->dbId());
            if (result.find(id) == result.end())
                result.emplace(id, RecipeConverter::coreRecipeToLeaRecipe(*coreRecipe));
        }
        return result;
    });
}

nonstd::optional<lea::RecipeDbId> Recipes::createRecipe(const Recipe& recipe)
{
    const char* const signature = __PRETTY_FUNCTION__;
    return utils::withConfiguration(
        signature, [&](Configuration& configuration) -> nonstd::optional<lea::RecipeDbId> {
            std::unique_ptr<::Recipe> saved = newCoreRecipe();
            RecipeConverter::updateCoreRecipeFromLeaRecipe(*saved, recipe);
            const std::unique_ptr<ConfigurationLoader> loader = newLoader();
            if (!loader || !loader->saveRecipe(saved.get())) {
                logFailure(signature, "Failed saving recipe");
                return nonstd::nullopt;
            }
            if (recipe.customizations.size() != 0)
                printAssertMsg("recipe.customizations.size() == 0",
                    "customization list should be empty upon recipe creation", __FILE__, __LINE__);

            const int newId = saved->dbId();
            replaceCoreRecipeStepsInDb(*loader, utils::idFromCore<lea::RecipeDbId>(newId), recipe.steps, {});

            std::unique_ptr<::Recipe> loaded = configuration.loadAndFillRecipe(newId);
            if (!loaded) {
                logFailure(signature, "Failed reloading recipe from database !");
                return nonstd::nullopt;
            }
            configuration.appendLoadedRecipe(std::move(loaded));
            return utils::idFromCoreOpt<lea::RecipeDbId>(newId);
        });
}

void Recipes::updateRecipe(lea::RecipeDbId id, const Recipe& recipe)
{
    const char* const signature = __PRETTY_FUNCTION__;
    utils::withConfiguration(signature, [&](Configuration& configuration) {
        ::Recipe* coreRecipe = configuration.recipe(coreId(id));
        if (!coreRecipe) {
            logFailure(signature, "Recipe not found in configuration");
            return;
        }
        RecipeConverter::updateCoreRecipeFromLeaRecipe(*coreRecipe, recipe);
        if (const std::unique_ptr<ConfigurationLoader> loader = newLoader())
            loader->saveRecipe(coreRecipe);
    });
}

void Recipes::deleteRecipe(lea::RecipeDbId id)
{
    const char* const signature = __PRETTY_FUNCTION__;
    utils::withConfiguration(signature, [&](Configuration& configuration) {
        ::Recipe* coreRecipe = configuration.recipe(coreId(id));
        if (!coreRecipe) {
            logFailure(signature, "Recipe does not exist");
            return;
        }
        const Recipe record = RecipeConverter::coreRecipeToLeaRecipe(*coreRecipe);
        for (const lea::CustomizationDbId customizationId : record.customizations)
            CustomizationsHelper::deleteCustomizationImp(customizationId);
        for (const lea::RecipeStepDbId stepId : record.steps)
            deleteStep(stepId, id);

        for (Beverage* beverage : configuration.beverages()) {
            if (beverage->recipe() == coreRecipe)
                beverage->setRecipe(nullptr);
        }
        // Without its row the recipe would come back with the next load; the
        // loader also stores the beverages that used it without recipe.
        if (const std::unique_ptr<ConfigurationLoader> loader = newLoader())
            loader->deleteRecipe(coreId(id));

        configuration.removeLoadedRecipe(coreRecipe);
        coreRecipe->deleteLater();
    });
}

void Recipes::reorderRecipeSteps(lea::RecipeDbId id, const Recipe& recipe)
{
    const char* const signature = __PRETTY_FUNCTION__;
    utils::withConfiguration(signature, [&](Configuration& configuration) {
        ::Recipe* coreRecipe = configuration.recipe(coreId(id));
        const nonstd::optional<Recipe> current = leaRecipeFromId(id);
        if (!coreRecipe || !current) {
            logFailure(signature, "Recipe not found in configuration");
            return;
        }
        if (recipe.steps == current->steps)
            return;

        std::vector<lea::RecipeStepDbId> wanted = recipe.steps;
        std::vector<lea::RecipeStepDbId> held = current->steps;
        std::sort(wanted.begin(), wanted.end());
        std::sort(held.begin(), held.end());
        if (wanted != held) {
            logFailure(signature, "Steps list differ");
            return;
        }
        if (const std::unique_ptr<ConfigurationLoader> loader = newLoader())
            replaceCoreRecipeStepsInDb(*loader, id, recipe.steps, current->steps);
        configuration.reloadRecipeSteps(coreRecipe);
    });
}

Recipes::Recipe Recipes::defaultRecipe() const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [](Configuration&) {
        const std::unique_ptr<::Recipe> fresh = newCoreRecipe();
        return RecipeConverter::coreRecipeToLeaRecipe(*fresh);
    });
}

void Recipes::reload()
{
    utils::withConfiguration(
        __PRETTY_FUNCTION__, [](Configuration&) { gCoreEnv->configurationManager()->reloadPostEditor(); });
}

nonstd::optional<Recipes::Step> Recipes::step(lea::RecipeStepDbId id) const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration&) -> nonstd::optional<Step> {
        const AbstractPreparationStep* coreStep = coreStepFromId(coreId(id));
        if (!coreStep)
            return nonstd::nullopt;
        return StepConverter::coreStepToLeaStep(*coreStep);
    });
}

nonstd::optional<lea::RecipeStepDbId> Recipes::createStep(const Step& step)
{
    const char* const signature = __PRETTY_FUNCTION__;
    return utils::withConfiguration(signature, [&](Configuration&) -> nonstd::optional<lea::RecipeStepDbId> {
        if (step.ingredients.size() != 0)
            printAssertMsg("step.ingredients.size() == 0",
                "Ingredients list should be empty upon step creation", __FILE__, __LINE__);

        const std::unique_ptr<AbstractPreparationStep> coreStep
            = newCoreStepFromType(StepTypeEnumConverter::toInternalOrThrow(step.type));
        if (coreStep)
            StepConverter::updateCoreStepFromLeaStep(*coreStep, step);
        const std::unique_ptr<ConfigurationLoader> loader = newLoader();
        if (!loader || !coreStep || !loader->savePreparationStep(coreStep.get())) {
            logFailure(signature, "Failed creating step");
            return nonstd::nullopt;
        }
        return utils::idFromCoreOpt<lea::RecipeStepDbId>(coreStep->dbId());
    });
}

void Recipes::updateStep(lea::RecipeStepDbId id, const Step& step)
{
    utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration&) {
        AbstractPreparationStep* coreStep = coreStepFromId(coreId(id));
        if (!coreStep) {
            LogFormatter(LogLevel::Warning).log(Log::Product) << "Step not found in configuration";
            return;
        }
        StepConverter::updateCoreStepFromLeaStep(*coreStep, step);
        if (const std::unique_ptr<ConfigurationLoader> loader = newLoader())
            loader->savePreparationStep(coreStep);
    });
}

void Recipes::deleteStep(lea::RecipeStepDbId stepId, lea::RecipeDbId recipeId)
{
    const char* const signature = __PRETTY_FUNCTION__;
    utils::withConfiguration(signature, [&](Configuration& configuration) {
        const AbstractPreparationStep* found = coreStepFromId(coreId(stepId));
        if (!found) {
            logFailure(signature, "Step not found !");
            return;
        }
        const Step record = StepConverter::coreStepToLeaStep(*found);
        for (const lea::RecipeStepIngredientDbId ingredientId : record.ingredients)
            deleteIngredient(ingredientId, stepId);

        if (const std::unique_ptr<ConfigurationLoader> loader = newLoader()) {
            loader->deletePreparatationStep(coreId(stepId));
            loader->removeStepFromRecipe(coreId(recipeId), coreId(stepId));
        }

        AbstractPreparationStep* coreStep = coreStepFromId(coreId(stepId));
        ::Recipe* coreRecipe = configuration.recipe(coreId(recipeId));
        if (coreStep && coreRecipe)
            coreRecipe->deletePreparationStep(coreStep);
        else
            logFailure(signature, "Failed to get core and recipe in configuration");
    });
}

bool Recipes::isTeskMilkStep(lea::RecipeStepDbId) const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [](Configuration&) { return false; });
}

bool Recipes::canAdjustWaterDose(lea::RecipeStepDbId id) const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration&) {
        const AbstractPreparationStep* coreStep = coreStepFromId(coreId(id));
        return coreStep && coreStep->canAdjustWaterDose();
    });
}

Recipes::WaterVolumeInfo Recipes::waterVolumeInfo_ml(lea::RecipeStepDbId id) const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration&) {
        WaterVolumeInfo info;
        if (const AbstractPreparationStep* coreStep = coreStepFromId(coreId(id))) {
            info.volume_ml = coreStep->waterVolume_ml();
            info.maxVolume_ml = coreStep->maxWaterVolume_ml();
        }
        return info;
    });
}

nonstd::optional<Recipes::Ingredient> Recipes::ingredient(lea::RecipeStepIngredientDbId id) const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration&) -> nonstd::optional<Ingredient> {
        const auto found = coreStepAndIngredientFromIngredientId(coreId(id));
        if (!found.first || !found.second)
            return nonstd::nullopt;
        return IngredientConverter::coreIngredientToLeaIngredient(*found.second, *found.first);
    });
}

nonstd::optional<lea::RecipeStepIngredientDbId> Recipes::createIngredient(
    const Ingredient& ingredient, lea::RecipeStepDbId stepId)
{
    const char* const signature = __PRETTY_FUNCTION__;
    return utils::withConfiguration(
        signature, [&](Configuration&) -> nonstd::optional<lea::RecipeStepIngredientDbId> {
            std::unique_ptr<AbstractIngredient> coreIngredient
                = newCoreIngredientFromType(IngredientTypeEnumConverter::toInternalOrThrow(ingredient.type));
            if (coreIngredient)
                IngredientConverter::updateCoreIngredientFromLeaIngredient(*coreIngredient, ingredient);
            const std::unique_ptr<ConfigurationLoader> loader = newLoader();
            if (!loader || !coreIngredient || !loader->saveIngredient(coreIngredient.get(), coreId(stepId))) {
                logFailure(signature, "Failed creating new ingredient");
                return nonstd::nullopt;
            }
            const auto newId = utils::idFromCoreOpt<lea::RecipeStepIngredientDbId>(coreIngredient->dbId());
            if (AbstractPreparationStep* coreStep = coreStepFromId(coreId(stepId))) {
                if (coreStep->addIngredient(coreIngredient.get()))
                    coreIngredient.release();
            }
            return newId;
        });
}

void Recipes::updateIngredient(
    lea::RecipeStepIngredientDbId id, lea::RecipeStepDbId stepId, const Ingredient& ingredient)
{
    const char* const signature = __PRETTY_FUNCTION__;
    utils::withConfiguration(signature, [&](Configuration&) {
        AbstractIngredient* coreIngredient = coreIngredientFromId(coreId(id));
        if (!coreIngredient) {
            logFailure(signature, "Ingredient not found in configuration");
            return;
        }
        if (coreIngredient->type() != IngredientTypeEnumConverter::toInternalOrThrow(ingredient.type)) {
            logFailure(signature, "Cannot change ingredient type");
            return;
        }
        IngredientConverter::updateCoreIngredientFromLeaIngredient(*coreIngredient, ingredient);
        if (const std::unique_ptr<ConfigurationLoader> loader = newLoader())
            loader->saveIngredient(coreIngredient, coreId(stepId));
    });
}

void Recipes::deleteIngredient(lea::RecipeStepIngredientDbId id, lea::RecipeStepDbId stepId)
{
    const char* const signature = __PRETTY_FUNCTION__;
    utils::withConfiguration(signature, [&](Configuration&) {
        const AbstractIngredient* coreIngredient = coreIngredientFromId(coreId(id));
        if (!coreIngredient) {
            logFailure(signature, "Ingredient not found in configuration");
            return;
        }
        if (const std::unique_ptr<ConfigurationLoader> loader = newLoader())
            loader->deleteIngredient(coreId(id));

        AbstractPreparationStep* coreStep = coreStepFromId(coreId(stepId));
        if (!coreStep) {
            logFailure(signature, "Step not found in configuration");
            return;
        }
        const int position = coreStep->ingredientsConst().indexOf(coreIngredient);
        if (position < 0) {
            logFailure(signature, "Ingredient not found in step");
            return;
        }
        coreStep->deleteIngredient(position);
    });
}

std::vector<Recipes::Ingredient> Recipes::beverageIngredients(lea::ProductDbId id) const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration& configuration) {
        std::vector<Ingredient> result;
        Beverage* beverage = configuration.beverage(coreId(id));
        UserSelectionManager* selection = gCoreEnv->userSelectionManager();
        if (!beverage || !selection)
            return result;

        // The selected beverage is shown as the customer has customised it.
        const ::Recipe* recipe = nullptr;
        std::unique_ptr<::Recipe> madeForTheOccasion;
        const Product* selected = selection->selectedProduct();
        if (selected && utils::idFromCoreOpt<lea::ProductDbId>(selected->id()) == id) {
            recipe = selection->selectionRecipe();
        } else {
            madeForTheOccasion = selection->createCustomRecipe(beverage);
            recipe = madeForTheOccasion.get();
        }
        if (!recipe)
            return result;

        for (const AbstractPreparationStep* coreStep : recipe->preparationStepsConst()) {
            for (const AbstractIngredient* coreIngredient : coreStep->ingredientsConst()) {
                const auto logical
                    = LogicalIngredientEnumConverter::toExternalOrThrow(coreIngredient->logicalCanisterId());
                const auto known = std::find_if(result.begin(), result.end(),
                    [logical](const Ingredient& entry) { return entry.logicalIngredient == logical; });
                if (known != result.end())
                    IngredientConverter::addCoreIngredientToLeaIngredient(*coreIngredient, *known);
                else
                    result.push_back(
                        IngredientConverter::coreIngredientToLeaIngredient(*coreIngredient, *coreStep));
            }
        }
        return result;
    });
}

bool Recipes::canAdjustPowderDose(lea::RecipeStepIngredientDbId id) const
{
    return utils::withConfiguration(__PRETTY_FUNCTION__, [&](Configuration&) {
        const AbstractIngredient* coreIngredient = coreIngredientFromId(coreId(id));
        return coreIngredient && coreIngredient->canAdjustPowderDose();
    });
}

::Recipe* Recipes::coreRecipeFromId(int id) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    return configuration ? configuration->recipe(id) : nullptr;
}

AbstractPreparationStep* Recipes::coreStepFromId(int id) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    if (!configuration)
        return nullptr;
    for (const ::Recipe* coreRecipe : configuration->recipes()) {
        for (AbstractPreparationStep* coreStep : coreRecipe->preparationSteps()) {
            if (coreStep->dbId() == id)
                return coreStep;
        }
    }
    return nullptr;
}

AbstractIngredient* Recipes::coreIngredientFromId(int id) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    if (!configuration)
        return nullptr;
    const QList<AbstractIngredient*> all = configuration->allIngredients();
    const auto found = std::find_if(all.cbegin(), all.cend(),
        [id](const AbstractIngredient* ingredient) { return ingredient->dbId() == id; });
    return found == all.cend() ? nullptr : *found;
}

std::pair<AbstractPreparationStep*, AbstractIngredient*> Recipes::coreStepAndIngredientFromIngredientId(
    int id) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    if (!configuration)
        return { nullptr, nullptr };
    for (const ::Recipe* coreRecipe : configuration->recipes()) {
        for (AbstractPreparationStep* coreStep : coreRecipe->preparationSteps()) {
            for (AbstractIngredient* coreIngredient : coreStep->ingredients()) {
                if (coreIngredient->dbId() == id)
                    return { coreStep, coreIngredient };
            }
        }
    }
    return { nullptr, nullptr };
}

nonstd::optional<Recipes::Recipe> Recipes::leaRecipeFromId(lea::RecipeDbId id) const
{
    const ::Recipe* coreRecipe = coreRecipeFromId(coreId(id));
    if (!coreRecipe)
        return nonstd::nullopt;
    return RecipeConverter::coreRecipeToLeaRecipe(*coreRecipe);
}

std::unique_ptr<::Recipe> Recipes::newCoreRecipe()
{
    return std::make_unique<::Recipe>();
}

std::unique_ptr<AbstractPreparationStep> Recipes::newCoreStepFromType(
    AbstractPreparationStep::PreparationStepType type)
{
    // The editor creates plain espresso steps only; the long and short kinds come with flat recipes.
    std::unique_ptr<AbstractPreparationStep> step;
    if (type != AbstractPreparationStep::LongEspressoStep
        && type != AbstractPreparationStep::ShortEspressoStep)
        step = StepConverter::newCoreStep(type);
    if (!step)
        logFailure(__PRETTY_FUNCTION__, "Invalid step type");
    return step;
}

std::unique_ptr<AbstractIngredient> Recipes::newCoreIngredientFromType(
    AbstractIngredient::IngredientType type)
{
    std::unique_ptr<AbstractIngredient> ingredient = IngredientConverter::newCoreIngredient(type);
    if (!ingredient)
        logFailure(__PRETTY_FUNCTION__, "Invalid ingredient type");
    return ingredient;
}

void Recipes::replaceCoreRecipeStepsInDb(ConfigurationLoader& loader, lea::RecipeDbId recipeId,
    const std::vector<lea::RecipeStepDbId>& newSteps, const std::vector<lea::RecipeStepDbId>& oldSteps)
{
    for (const lea::RecipeStepDbId stepId : oldSteps)
        loader.removeStepFromRecipe(coreId(recipeId), coreId(stepId));
    int previous = -1;
    for (const lea::RecipeStepDbId stepId : newSteps) {
        loader.addStepToRecipe(coreId(recipeId), coreId(stepId), previous);
        previous = coreId(stepId);
    }
}

} // namespace products
} // namespace bridge
