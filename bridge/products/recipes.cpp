#include "bridge/products/recipes.h"

#include "bridge/products/cataloguelookup.h"
#include "bridge/products/customerrecipe.h"
#include "bridge/products/customizationshelper.h"
#include "bridge/products/ingredientconverter.h"
#include "bridge/products/ingredienttypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/recipeconverter.h"
#include "bridge/products/stepconverter.h"
#include "bridge/products/steptypeenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
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

/// The loaded recipes that hold a step with that id; a step may be linked into several.
QList<::Recipe*> recipesHoldingStep(const Configuration& configuration, int stepId)
{
    QList<::Recipe*> holders;
    for (::Recipe* recipe : configuration.recipes()) {
        const QList<AbstractPreparationStep*> steps = recipe->preparationSteps();
        if (std::any_of(steps.cbegin(), steps.cend(),
                [stepId](const AbstractPreparationStep* step) { return step->dbId() == stepId; }))
            holders << recipe;
    }
    return holders;
}

AbstractPreparationStep* stepOf(const ::Recipe& recipe, int stepId)
{
    for (AbstractPreparationStep* step : recipe.preparationSteps()) {
        if (step->dbId() == stepId)
            return step;
    }
    return nullptr;
}

AbstractIngredient* ingredientOf(const AbstractPreparationStep& step, int ingredientId)
{
    for (AbstractIngredient* ingredient : step.ingredients()) {
        if (ingredient->dbId() == ingredientId)
            return ingredient;
    }
    return nullptr;
}

/// Every loaded copy of a step: a step linked into several recipes is loaded
/// once per recipe, and every copy must show what the database holds.
QList<AbstractPreparationStep*> loadedCopies(const Configuration& configuration, int stepId)
{
    QList<AbstractPreparationStep*> copies;
    for (const ::Recipe* recipe : configuration.recipes()) {
        if (AbstractPreparationStep* step = stepOf(*recipe, stepId))
            copies << step;
    }
    return copies;
}

} // namespace

Recipes::Recipes(QObject* parent)
    : lea::products::Recipes(parent)
{
    utils::connectToConfiguration(&Configuration::recipesChanged, this, &lea::products::Recipes::changed);
}

nonstd::optional<Recipes::Recipe> Recipes::recipe(lea::RecipeDbId id) const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return {};
    return leaRecipeFromId(id);
}

std::map<lea::RecipeDbId, Recipes::Recipe> Recipes::recipes() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::map<lea::RecipeDbId, Recipe> result;
    for (const ::Recipe* coreRecipe : configuration->recipes()) {
        // Of two recipes with one id, the first is kept.
        const auto id = utils::idFromCore<lea::RecipeDbId>(coreRecipe->dbId());
        if (result.find(id) == result.end())
            result.emplace(id, RecipeConverter::coreRecipeToLeaRecipe(*coreRecipe));
    }
    return result;
}

nonstd::optional<lea::RecipeDbId> Recipes::createRecipe(const Recipe& recipe)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!loader) {
        log.warning("Failed saving recipe");
        return {};
    }
    std::unique_ptr<::Recipe> saved = newCoreRecipe();
    RecipeConverter::updateCoreRecipeFromLeaRecipe(*saved, recipe);

    // The recipe row and its step chain are stored together or not at all.
    utils::Transaction transaction(*loader);
    if (!log.stored(transaction.isOpen() && loader->saveRecipe(saved.get()), "Failed saving recipe",
            LogLevel::Warning))
        return {};
    if (recipe.customizations.size() != 0)
        printAssertMsg("recipe.customizations.size() == 0",
            "customization list should be empty upon recipe creation", __FILE__, __LINE__);

    // An unknown step is left out rather than breaking the chain after it.
    std::vector<lea::RecipeStepDbId> steps;
    for (const lea::RecipeStepDbId stepId : recipe.steps) {
        const nonstd::optional<int> coreStepId = utils::coreId(stepId);
        if (coreStepId && loader->loadPreparationStep(*coreStepId, configuration->canisters()))
            steps.push_back(stepId);
        else
            log.warning("Unknown step left out of the recipe");
    }
    const int newId = saved->dbId();
    if (!log.stored(replaceCoreRecipeStepsInDb(*loader, utils::idFromCore<lea::RecipeDbId>(newId), steps, {})
                && transaction.commit(),
            "Failed saving recipe", LogLevel::Warning))
        return {};

    utils::updateTranslations(recipe.name, TypedString::RecipeName, recipe.translations);
    std::unique_ptr<::Recipe> loaded = configuration->loadAndFillRecipe(newId);
    if (!loaded) {
        log.warning("Failed reloading recipe from database !");
        return {};
    }
    configuration->appendLoadedRecipe(std::move(loaded));
    return utils::idFromCoreOpt<lea::RecipeDbId>(newId);
}

void Recipes::updateRecipe(lea::RecipeDbId id, const Recipe& recipe)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    ::Recipe* coreRecipe = lookup::recipe(*configuration, id);
    if (!coreRecipe)
        return log.warning("Recipe not found in configuration");
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    utils::Rollback rollback(*coreRecipe);
    RecipeConverter::updateCoreRecipeFromLeaRecipe(*coreRecipe, recipe);
    if (!log.stored(loader && loader->saveRecipe(coreRecipe), "Failed saving recipe", LogLevel::Warning))
        return;
    rollback.commit();
    utils::updateTranslations(recipe.name, TypedString::RecipeName, recipe.translations);
}

void Recipes::deleteRecipe(lea::RecipeDbId id)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    ::Recipe* coreRecipe = lookup::recipe(*configuration, id);
    if (!coreRecipe)
        return log.warning("Recipe does not exist");
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!loader)
        return log.error("Failed deleting recipe from database");

    // Everything goes in one transaction, so that a refused delete leaves the
    // recipe whole. The loader keeps the steps that another recipe links.
    utils::Transaction transaction(*loader);
    QList<CustomizationsHelper::Link> customizations;
    for (const RecipeCustomization* customization : coreRecipe->customizations())
        customizations += CustomizationsHelper::loadedLinks(*configuration, customization->dbId());
    bool deleted = transaction.isOpen() && CustomizationsHelper::deleteLinksInDb(*loader, customizations);
    deleted = deleted && loader->deleteRecipe(coreRecipe->dbId()) && transaction.commit();
    if (!log.stored(deleted, "Failed deleting recipe from database"))
        return;

    CustomizationsHelper::removeLoadedLinks(customizations);
    for (Beverage* beverage : configuration->beverages()) {
        if (beverage->recipe() == coreRecipe)
            beverage->setRecipe(nullptr);
    }
    coreRecipe->deleteLater();
    // Last: a slot on the change signal may replace the configuration and the recipe with it.
    configuration->removeLoadedRecipe(coreRecipe);
}

void Recipes::reorderRecipeSteps(lea::RecipeDbId id, const Recipe& recipe)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    ::Recipe* coreRecipe = lookup::recipe(*configuration, id);
    if (!coreRecipe)
        return log.warning("Recipe not found in configuration");
    const std::vector<lea::RecipeStepDbId> current
        = RecipeConverter::coreRecipeToLeaRecipe(*coreRecipe).steps;
    if (recipe.steps == current)
        return;

    std::vector<lea::RecipeStepDbId> wanted = recipe.steps;
    std::vector<lea::RecipeStepDbId> held = current;
    std::sort(wanted.begin(), wanted.end());
    std::sort(held.begin(), held.end());
    if (wanted != held)
        return log.warning("Steps list differ");

    // Unlinking and relinking stand or fall together: a half-done reorder would leave the recipe without
    // steps.
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!loader)
        return log.error("Failed saving recipe steps");
    utils::Transaction transaction(*loader);
    if (!log.stored(transaction.isOpen() && replaceCoreRecipeStepsInDb(*loader, id, recipe.steps, current)
                && transaction.commit(),
            "Failed saving recipe steps"))
        return;
    configuration->reloadRecipeSteps(coreRecipe);
}

Recipes::Recipe Recipes::defaultRecipe() const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return {};
    return RecipeConverter::coreRecipeToLeaRecipe(*newCoreRecipe());
}

void Recipes::reload()
{
    if (utils::loadedConfiguration(Q_FUNC_INFO))
        gCoreEnv->configurationManager()->reloadPostEditor();
}

nonstd::optional<Recipes::Step> Recipes::step(lea::RecipeStepDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const AbstractPreparationStep* coreStep = lookup::step(*configuration, id);
    if (!coreStep)
        return {};
    return StepConverter::coreStepToLeaStep(*coreStep);
}

nonstd::optional<lea::RecipeStepDbId> Recipes::createStep(const Step& step)
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return {};
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    if (step.ingredients.size() != 0)
        printAssertMsg("step.ingredients.size() == 0", "Ingredients list should be empty upon step creation",
            __FILE__, __LINE__);

    const std::unique_ptr<AbstractPreparationStep> coreStep
        = newCoreStepFromType(StepTypeEnumConverter::toInternalOrThrow(step.type));
    if (coreStep)
        StepConverter::updateCoreStepFromLeaStep(*coreStep, step);
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!log.stored(loader && coreStep && loader->savePreparationStep(coreStep.get()), "Failed creating step",
            LogLevel::Warning))
        return {};
    return utils::idFromCoreOpt<lea::RecipeStepDbId>(coreStep->dbId());
}

void Recipes::updateStep(lea::RecipeStepDbId id, const Step& step)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    AbstractPreparationStep* coreStep = lookup::step(*configuration, id);
    if (!coreStep) {
        LogFormatter(LogLevel::Warning).log(Log::Product) << "Step not found in configuration";
        return;
    }
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    const QList<AbstractPreparationStep*> copies = loadedCopies(*configuration, coreStep->dbId());
    utils::Rollback rollback;
    for (AbstractPreparationStep* copy : copies)
        rollback.add(*copy);
    StepConverter::updateCoreStepFromLeaStep(*coreStep, step);
    for (AbstractPreparationStep* copy : copies)
        utils::copyProperties(*coreStep, *copy);
    if (utils::FailureLog(Q_FUNC_INFO, Log::Product)
            .stored(loader && loader->savePreparationStep(coreStep), "Failed saving step"))
        rollback.commit();
}

void Recipes::deleteStep(lea::RecipeStepDbId stepId, lea::RecipeDbId recipeId)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    const AbstractPreparationStep* found = lookup::step(*configuration, stepId);
    if (!found)
        return log.warning("Step not found !");
    // A recipe that does not hold the step is no owner to delete it from.
    const ::Recipe* owner = lookup::recipe(*configuration, recipeId);
    if (!owner || !stepOf(*owner, found->dbId()))
        return log.warning("Failed to get core and recipe in configuration");

    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!loader)
        return log.error("Failed deleting step from database");
    // The step row goes with its ingredients and its place in every chain.
    utils::Transaction transaction(*loader);
    const int coreStepId = found->dbId();
    if (!log.stored(transaction.isOpen() && loader->deletePreparatationStep(coreStepId)
                && loader->removeStepFromRecipe(owner->dbId(), coreStepId) && transaction.commit(),
            "Failed deleting step from database"))
        return;
    for (::Recipe* holder : recipesHoldingStep(*configuration, coreStepId))
        holder->deletePreparationStep(stepOf(*holder, coreStepId));
}

bool Recipes::isTeskMilkStep(lea::RecipeStepDbId) const
{
    utils::loadedConfiguration(Q_FUNC_INFO);
    return false;
}

bool Recipes::canAdjustWaterDose(lea::RecipeStepDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const AbstractPreparationStep* coreStep = configuration ? lookup::step(*configuration, id) : nullptr;
    return coreStep && coreStep->canAdjustWaterDose();
}

Recipes::WaterVolumeInfo Recipes::waterVolumeInfo_ml(lea::RecipeStepDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    WaterVolumeInfo info;
    if (const AbstractPreparationStep* coreStep
        = configuration ? lookup::step(*configuration, id) : nullptr) {
        info.volume_ml = coreStep->waterVolume_ml();
        info.maxVolume_ml = coreStep->maxWaterVolume_ml();
    }
    return info;
}

nonstd::optional<Recipes::Ingredient> Recipes::ingredient(lea::RecipeStepIngredientDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const AbstractIngredient* coreIngredient = lookup::ingredient(*configuration, id);
    const AbstractPreparationStep* owner = coreIngredient ? lookup::owningStep(*coreIngredient) : nullptr;
    if (!owner)
        return {};
    return IngredientConverter::coreIngredientToLeaIngredient(*coreIngredient, *owner);
}

nonstd::optional<lea::RecipeStepIngredientDbId> Recipes::createIngredient(
    const Ingredient& ingredient, lea::RecipeStepDbId stepId)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::unique_ptr<AbstractIngredient> coreIngredient
        = newCoreIngredientFromType(IngredientTypeEnumConverter::toInternalOrThrow(ingredient.type));
    if (coreIngredient)
        IngredientConverter::updateCoreIngredientFromLeaIngredient(*coreIngredient, ingredient);
    const nonstd::optional<int> coreStepId = utils::coreId(stepId);
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Product)
             .stored(loader && coreIngredient && coreStepId
                     && loader->saveIngredient(coreIngredient.get(), *coreStepId),
                 "Failed creating new ingredient", LogLevel::Warning))
        return {};
    const auto newId = utils::idFromCoreOpt<lea::RecipeStepIngredientDbId>(coreIngredient->dbId());
    // Every loaded copy of the step gets its own copy of the ingredient; a step
    // that no loaded recipe links gets it with its next load.
    for (AbstractPreparationStep* copy : loadedCopies(*configuration, *coreStepId)) {
        std::unique_ptr<AbstractIngredient> added = newCoreIngredientFromType(coreIngredient->type());
        utils::copyProperties(*coreIngredient, *added);
        added->setDbId(coreIngredient->dbId());
        if (copy->addIngredient(added.get()))
            added.release();
    }
    return newId;
}

void Recipes::updateIngredient(
    lea::RecipeStepIngredientDbId id, lea::RecipeStepDbId stepId, const Ingredient& ingredient)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    AbstractIngredient* coreIngredient = lookup::ingredient(*configuration, id);
    if (!coreIngredient)
        return log.warning("Ingredient not found in configuration");
    if (coreIngredient->type() != IngredientTypeEnumConverter::toInternalOrThrow(ingredient.type))
        return log.warning("Cannot change ingredient type");
    // Saving under another step would move the stored row away from the loaded one.
    const AbstractPreparationStep* owner = lookup::owningStep(*coreIngredient);
    if (!owner || utils::coreId(stepId) != owner->dbId())
        return log.warning("Ingredient not found in step");

    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    QList<AbstractIngredient*> copies;
    for (const AbstractPreparationStep* step : loadedCopies(*configuration, owner->dbId())) {
        if (AbstractIngredient* copy = ingredientOf(*step, coreIngredient->dbId()))
            copies << copy;
    }
    utils::Rollback rollback;
    for (AbstractIngredient* copy : copies)
        rollback.add(*copy);
    IngredientConverter::updateCoreIngredientFromLeaIngredient(*coreIngredient, ingredient);
    for (AbstractIngredient* copy : copies)
        utils::copyProperties(*coreIngredient, *copy);
    if (log.stored(
            loader && loader->saveIngredient(coreIngredient, owner->dbId()), "Failed saving ingredient"))
        rollback.commit();
}

void Recipes::deleteIngredient(lea::RecipeStepIngredientDbId id, lea::RecipeStepDbId stepId)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    const AbstractIngredient* coreIngredient = lookup::ingredient(*configuration, id);
    if (!coreIngredient)
        return log.warning("Ingredient not found in configuration");
    AbstractPreparationStep* coreStep = lookup::step(*configuration, stepId);
    if (!coreStep)
        return log.warning("Step not found in configuration");
    // Refused before anything is deleted, so that the database and the loaded step agree.
    const int position = coreStep->ingredientsConst().indexOf(coreIngredient);
    if (position < 0)
        return log.warning("Ingredient not found in step");

    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    const int ingredientId = coreIngredient->dbId();
    if (!log.stored(
            loader && loader->deleteIngredient(ingredientId), "Failed deleting ingredient from database"))
        return;
    for (AbstractPreparationStep* copy : loadedCopies(*configuration, coreStep->dbId())) {
        if (const AbstractIngredient* held = ingredientOf(*copy, ingredientId))
            copy->deleteIngredient(copy->ingredientsConst().indexOf(held));
    }
}

std::vector<Recipes::Ingredient> Recipes::beverageIngredients(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::vector<Ingredient> result;
    Beverage* beverage = lookup::beverage(*configuration, id);
    UserSelectionManager* selection = gCoreEnv->userSelectionManager();
    if (!beverage || !selection)
        return result;

    // The selected beverage is shown as the customer has customised it.
    const CustomerRecipe shown(*beverage);
    const ::Recipe* recipe = shown.get();
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
}

bool Recipes::canAdjustPowderDose(lea::RecipeStepIngredientDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const AbstractIngredient* coreIngredient
        = configuration ? lookup::ingredient(*configuration, id) : nullptr;
    return coreIngredient && coreIngredient->canAdjustPowderDose();
}

::Recipe* Recipes::coreRecipeFromId(int id) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    return configuration ? configuration->recipe(id) : nullptr;
}

AbstractPreparationStep* Recipes::coreStepFromId(int id) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    return configuration ? configuration->preparationStep(id) : nullptr;
}

AbstractIngredient* Recipes::coreIngredientFromId(int id) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    return configuration ? configuration->ingredient(id) : nullptr;
}

std::pair<AbstractPreparationStep*, AbstractIngredient*> Recipes::coreStepAndIngredientFromIngredientId(
    int id) const
{
    AbstractIngredient* coreIngredient = coreIngredientFromId(id);
    AbstractPreparationStep* owner = coreIngredient ? lookup::owningStep(*coreIngredient) : nullptr;
    return owner ? std::make_pair(owner, coreIngredient) : std::make_pair(nullptr, nullptr);
}

nonstd::optional<Recipes::Recipe> Recipes::leaRecipeFromId(lea::RecipeDbId id) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    const ::Recipe* coreRecipe = configuration ? lookup::recipe(*configuration, id) : nullptr;
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
        utils::FailureLog(Q_FUNC_INFO, Log::Product).warning("Invalid step type");
    return step;
}

std::unique_ptr<AbstractIngredient> Recipes::newCoreIngredientFromType(
    AbstractIngredient::IngredientType type)
{
    std::unique_ptr<AbstractIngredient> ingredient = IngredientConverter::newCoreIngredient(type);
    if (!ingredient)
        utils::FailureLog(Q_FUNC_INFO, Log::Product).warning("Invalid ingredient type");
    return ingredient;
}

bool Recipes::replaceCoreRecipeStepsInDb(ConfigurationLoader& loader, lea::RecipeDbId recipeId,
    const std::vector<lea::RecipeStepDbId>& newSteps, const std::vector<lea::RecipeStepDbId>& oldSteps)
{
    const nonstd::optional<int> coreRecipeId = utils::coreId(recipeId);
    if (!coreRecipeId)
        return false;
    for (const lea::RecipeStepDbId stepId : oldSteps) {
        const nonstd::optional<int> coreStepId = utils::coreId(stepId);
        if (!coreStepId || !loader.removeStepFromRecipe(*coreRecipeId, *coreStepId))
            return false;
    }
    int previous = -1;
    for (const lea::RecipeStepDbId stepId : newSteps) {
        const nonstd::optional<int> coreStepId = utils::coreId(stepId);
        if (!coreStepId || !loader.addStepToRecipe(*coreRecipeId, *coreStepId, previous))
            return false;
        previous = *coreStepId;
    }
    return true;
}

} // namespace products
} // namespace bridge
