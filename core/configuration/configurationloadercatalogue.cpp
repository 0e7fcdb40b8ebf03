// The catalogue part of ConfigurationLoader: recipes with their step chains,
// steps, ingredients, customizations, adjustments, canisters, categories and
// beverages.

#include "core/catalogue/abstractcustomizationadjustment.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/category.h"
#include "core/catalogue/drysugaringredient.h"
#include "core/catalogue/drysugarpreparationstep.h"
#include "core/catalogue/espressoingredient.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantingredient.h"
#include "core/catalogue/instantpreparationstep.h"
#include "core/catalogue/powderdosageadjustment.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/syrupingredient.h"
#include "core/catalogue/syruppreparationstep.h"
#include "core/catalogue/teapreparationstep.h"
#include "core/catalogue/totalquantityadjustment.h"
#include "core/catalogue/waterdosageadjustment.h"
#include "core/catalogue/wateronlypreparationstep.h"
#include "core/configuration/cataloguetables.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/loadersql.h"
#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "core/log/logformatter.h"

#include <algorithm>
#include <QFile>
#include <QSet>
#include <QSqlRecord>

namespace db = CatalogueTables;
using namespace loadersql;

namespace {

// --- Step chain -------------------------------------------------------------

/// Takes step `stepId` out of recipe `recipeId`'s chain, joining its successor to its predecessor.
bool unlinkStep(const Sql& sql, int recipeId, int stepId)
{
    Rows links;
    if (!sql.select(db::RecipeSteps::Table,
            where(db::RecipeSteps::RecipeId, recipeId, db::RecipeSteps::StepId, stepId), links))
        return false;
    if (links.isEmpty())
        return true;
    const int previous = intValue(links.first(), db::RecipeSteps::PreviousStepId);
    return sql.update(db::RecipeSteps::Table, { { db::RecipeSteps::PreviousStepId, previous } },
               where(db::RecipeSteps::RecipeId, recipeId, db::RecipeSteps::PreviousStepId, stepId))
        && sql.remove(db::RecipeSteps::Table,
            where(db::RecipeSteps::RecipeId, recipeId, db::RecipeSteps::StepId, stepId));
}

/// Step ids of a recipe in chain order. Links that the chain does not reach
/// (a damaged chain) follow in ascending id order.
bool chainOrder(const Sql& sql, int recipeId, QList<int>& order)
{
    Rows links;
    if (!sql.select(db::RecipeSteps::Table, where(db::RecipeSteps::RecipeId, recipeId), links))
        return false;
    QMultiMap<int, int> byPrevious;
    QList<int> all;
    for (const QSqlRecord& link : links) {
        byPrevious.insert(
            intValue(link, db::RecipeSteps::PreviousStepId), intValue(link, db::RecipeSteps::StepId));
        all << intValue(link, db::RecipeSteps::StepId);
    }
    order.clear();
    QSet<int> seen;
    int current = -1;
    for (;;) {
        const QList<int> next = byPrevious.values(current);
        if (next.size() != 1 || seen.contains(next.first()))
            break;
        current = next.first();
        seen.insert(current);
        order << current;
    }
    if (order.size() != all.size()) {
        logFailure(sql.caller(), QStringLiteral("Broken step chain of recipe %1").arg(recipeId));
        std::sort(all.begin(), all.end());
        for (int id : all) {
            if (!seen.contains(id)) {
                seen.insert(id);
                order << id;
            }
        }
    }
    return true;
}

bool deleteStepRows(const Sql& sql, int stepId)
{
    Rows links;
    if (!sql.select(db::RecipeSteps::Table, where(db::RecipeSteps::StepId, stepId), links))
        return false;
    for (const QSqlRecord& link : links) {
        if (!unlinkStep(sql, intValue(link, db::RecipeSteps::RecipeId), stepId))
            return false;
    }
    return sql.remove(db::Ingredients::Table, where(db::Ingredients::StepId, stepId))
        && sql.remove(db::PreparationSteps::Table, whereId(stepId));
}

/// Unlinks a customization from a recipe with that recipe's adjustments of it;
/// the customization's row goes with its last link.
bool unlinkCustomization(const Sql& sql, int recipeId, int customizationId)
{
    const Conditions link = where(db::RecipeCustomizations::RecipeId, recipeId,
        db::RecipeCustomizations::CustomizationId, customizationId);
    Rows remaining;
    return sql.remove(db::RecipeCustomizations::Table, link) && sql.remove(db::Adjustments::Table, link)
        && sql.select(db::RecipeCustomizations::Table,
            where(db::RecipeCustomizations::CustomizationId, customizationId), remaining)
        && (!remaining.isEmpty()
            || (sql.remove(db::Adjustments::Table, where(db::Adjustments::CustomizationId, customizationId))
                && sql.remove(db::Customizations::Table, whereId(customizationId))));
}

// --- Rows to objects ----------------------------------------------------------

std::unique_ptr<AbstractPreparationStep> stepFromRow(const QSqlRecord& row)
{
    const auto type = static_cast<AbstractPreparationStep::PreparationStepType>(
        intValue(row, db::PreparationSteps::Type));
    std::unique_ptr<AbstractPreparationStep> step;
    switch (type) {
    case AbstractPreparationStep::DrySugarStep:
        step = std::make_unique<DrySugarPreparationStep>();
        break;
    case AbstractPreparationStep::EspressoStep:
    case AbstractPreparationStep::LongEspressoStep:
    case AbstractPreparationStep::ShortEspressoStep: {
        auto espresso = std::make_unique<EspressoPreparationStep>(type);
        espresso->setPreInfusionDose(intValue(row, db::PreparationSteps::PreInfusionDose));
        espresso->setPreInfusionTime(intValue(row, db::PreparationSteps::PreInfusionTime));
        espresso->setSqueezeEnabled(row.value(db::PreparationSteps::SqueezeEnabled).toBool());
        espresso->setPressureCurrent(static_cast<EspressoPreparationStep::CurrentValue>(
            intValue(row, db::PreparationSteps::PressureCurrent)));
        step = std::move(espresso);
        break;
    }
    case AbstractPreparationStep::InstantStep: {
        auto instant = std::make_unique<InstantPreparationStep>();
        instant->setMixerSpeed(
            static_cast<InstantPreparationStep::MixerSpeed>(intValue(row, db::PreparationSteps::MixerSpeed)));
        instant->setMixerAbsoluteMixTime(row.value(db::PreparationSteps::AbsoluteMixTime).toBool());
        step = std::move(instant);
        break;
    }
    case AbstractPreparationStep::WaterOnlyStep:
        step = std::make_unique<WaterOnlyPreparationStep>();
        break;
    case AbstractPreparationStep::TeaStep:
        step = std::make_unique<TeapreparationStep>();
        break;
    case AbstractPreparationStep::SyrupStep:
        step = std::make_unique<SyrupPreparationStep>();
        break;
    default:
        return nullptr;
    }
    step->setDbId(intValue(row, db::Id));
    step->setDescription(row.value(db::PreparationSteps::Description).toString());
    step->setWaterType(
        static_cast<AbstractPreparationStep::WaterType>(intValue(row, db::PreparationSteps::WaterType)));
    step->water().setDose(intValue(row, db::PreparationSteps::WaterDose));
    step->water().setSpeed(intValue(row, db::PreparationSteps::WaterSpeed));
    step->setStartDelayCS(intValue(row, db::PreparationSteps::StartDelayCs));
    step->setExtraText(optionalText(row, db::PreparationSteps::ExtraText));
    return step;
}

std::unique_ptr<AbstractIngredient> ingredientFromRow(const QSqlRecord& row, const CanisterMap& canisters)
{
    const auto type = static_cast<AbstractIngredient::IngredientType>(intValue(row, db::Ingredients::Type));
    std::unique_ptr<AbstractIngredient> ingredient;
    switch (type) {
    case AbstractIngredient::DrySugarIngredientType:
        ingredient = std::make_unique<DrySugarIngredient>();
        break;
    case AbstractIngredient::EspressoIngredientType:
        ingredient = std::make_unique<EspressoIngredient>();
        break;
    case AbstractIngredient::InstantIngredientType: {
        auto instant = std::make_unique<InstantIngredient>();
        instant->setPowderSpeed(intValue(row, db::Ingredients::PowderSpeed));
        instant->setPowderCycle(
            static_cast<InstantIngredient::PowderCycle>(intValue(row, db::Ingredients::PowderCycle)),
            intValue(row, db::Ingredients::PowderCycleValue));
        ingredient = std::move(instant);
        break;
    }
    case AbstractIngredient::SyrupIngredientType:
        ingredient = std::make_unique<SyrupIngredient>();
        break;
    default:
        return nullptr;
    }
    const auto canisterId
        = static_cast<Canister::LogicalCanisterId>(intValue(row, db::Ingredients::LogicalCanisterId));
    ingredient->setDbId(intValue(row, db::Id));
    ingredient->setCanisterId(canisterId);
    ingredient->setCanister(canisters.value(canisterId));
    ingredient->setProductId(intValue(row, db::Ingredients::ProductId));
    ingredient->setDose(intValue(row, db::Ingredients::Dose));
    ingredient->setExtraText(optionalText(row, db::Ingredients::ExtraText));
    return ingredient;
}

std::unique_ptr<RecipeCustomization> customizationFromRow(const QSqlRecord& row)
{
    auto customization = std::make_unique<RecipeCustomization>(
        static_cast<RecipeCustomization::CustomizationType>(intValue(row, db::Customizations::Type)),
        row.value(db::Customizations::Name).toString(), intValue(row, db::Customizations::DefaultIndex),
        intValue(row, db::Customizations::HundredPercentIndex), intValue(row, db::Customizations::StepCount),
        row.value(db::Customizations::CostVariation).toFloat(),
        static_cast<quint8>(intValue(row, db::Customizations::Horizontal)),
        intValue(row, db::Customizations::ParameterKind),
        static_cast<RecipeCustomization::IconType>(intValue(row, db::Customizations::Icon)),
        intValue(row, db::Customizations::ParameterMin), intValue(row, db::Customizations::ParameterMax));
    customization->setDbId(intValue(row, db::Id));
    customization->setIsEnabled(row.value(db::Customizations::Enabled).toBool());
    customization->setIsAvailable(row.value(db::Customizations::Available).toBool());
    customization->setIsAdjustmentRequired(row.value(db::Customizations::AdjustmentRequired).toBool());
    customization->setExtraText(optionalText(row, db::Customizations::ExtraText));
    return customization;
}

std::unique_ptr<AbstractCustomizationAdjustment> adjustmentFromRow(
    const QSqlRecord& row, const RecipeCustomization* customization)
{
    std::unique_ptr<AbstractCustomizationAdjustment> adjustment;
    switch (intValue(row, db::Adjustments::Type)) {
    case AbstractCustomizationAdjustment::PowderDosage:
        adjustment = std::make_unique<PowderDosageAdjustment>(customization,
            static_cast<Canister::LogicalCanisterId>(intValue(row, db::Adjustments::LogicalCanisterId)),
            intValue(row, db::Adjustments::DeltaMin), intValue(row, db::Adjustments::DeltaMax));
        break;
    case AbstractCustomizationAdjustment::WaterDosage:
        adjustment = std::make_unique<WaterDosageAdjustment>(customization,
            static_cast<AbstractPreparationStep::PreparationStepType>(
                intValue(row, db::Adjustments::StepType)),
            intValue(row, db::Adjustments::DeltaMin), intValue(row, db::Adjustments::DeltaMax));
        break;
    case AbstractCustomizationAdjustment::TotalQuantity:
        adjustment = std::make_unique<TotalQuantityAdjustment>(
            customization, intValue(row, db::Adjustments::Quantity));
        break;
    default:
        return nullptr;
    }
    adjustment->setDbId(intValue(row, db::Id));
    adjustment->setExtraText(optionalText(row, db::Adjustments::ExtraText));
    return adjustment;
}

/// A stored step with its ingredients in order; null when there is no such row.
std::unique_ptr<AbstractPreparationStep> loadStep(const Sql& sql, int stepId, const CanisterMap& canisters)
{
    Rows rows;
    Rows ingredients;
    if (!sql.select(db::PreparationSteps::Table, whereId(stepId), rows) || rows.isEmpty()
        || !sql.select(db::Ingredients::Table, where(db::Ingredients::StepId, stepId), ingredients))
        return nullptr;
    std::unique_ptr<AbstractPreparationStep> step = stepFromRow(rows.first());
    if (!step) {
        logFailure(sql.caller(), QStringLiteral("Step %1 has an unknown type").arg(stepId));
        return nullptr;
    }
    sortByColumn(ingredients, db::Ingredients::Position);
    for (const QSqlRecord& row : ingredients) {
        std::unique_ptr<AbstractIngredient> ingredient = ingredientFromRow(row, canisters);
        if (ingredient && step->addIngredient(ingredient.get()))
            ingredient.release();
    }
    return step;
}

} // namespace

// --- Recipes -------------------------------------------------------------------

bool ConfigurationLoader::saveRecipe(Recipe* recipe)
{
    if (!recipe)
        return false;
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = recipe->dbId();
    const bool saved = sql.upsert(db::Recipes::Table,
        { { db::Recipes::Name, recipe->name().isNull() ? QString(QLatin1String("")) : recipe->name() },
            { db::Recipes::HasCup, recipe->hasCup() }, { db::Recipes::HasStirrer, recipe->hasStirrer() },
            { db::Recipes::DripTimeCs, recipe->dripTimeCS() },
            { db::Recipes::CupType, int(recipe->cupType()) },
            { db::Recipes::CupTurret, int(recipe->cupToDropFromTurret()) },
            { db::Recipes::Hidden, recipe->isHidden() },
            { db::Recipes::ExtraText, textValue(recipe->extraText()) } },
        id);
    if (saved)
        recipe->setDbId(id);
    return saved;
}

bool ConfigurationLoader::deleteRecipe(int recipeId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return atomically(sql, [&] {
        Rows links;
        if (!sql.select(db::RecipeSteps::Table, where(db::RecipeSteps::RecipeId, recipeId), links))
            return false;
        for (const QSqlRecord& link : links) {
            const int stepId = intValue(link, db::RecipeSteps::StepId);
            Rows users;
            if (!unlinkStep(sql, recipeId, stepId)
                || !sql.select(db::RecipeSteps::Table, where(db::RecipeSteps::StepId, stepId), users))
                return false;
            // A step that another recipe links stays for it.
            if (users.isEmpty() && !deleteStepRows(sql, stepId))
                return false;
        }
        Rows customizations;
        if (!sql.select(db::RecipeCustomizations::Table, where(db::RecipeCustomizations::RecipeId, recipeId),
                customizations))
            return false;
        for (const QSqlRecord& link : customizations) {
            if (!unlinkCustomization(
                    sql, recipeId, intValue(link, db::RecipeCustomizations::CustomizationId)))
                return false;
        }
        Rows beverages;
        if (!sql.select(db::Beverages::Table, where(db::Beverages::RecipeId, recipeId), beverages))
            return false;
        return (beverages.isEmpty()
                   || sql.update(db::Beverages::Table,
                       { { db::Beverages::RecipeId, QVariant(QVariant::Int) } },
                       where(db::Beverages::RecipeId, recipeId)))
            && sql.remove(db::Adjustments::Table, where(db::Adjustments::RecipeId, recipeId))
            && sql.remove(db::Recipes::Table, whereId(recipeId));
    });
}

bool ConfigurationLoader::savePreparationStep(AbstractPreparationStep* step)
{
    if (!step)
        return false;
    Values values { { db::PreparationSteps::Type, int(step->type()) },
        { db::PreparationSteps::Description,
            step->description().isNull() ? QString(QLatin1String("")) : step->description() },
        { db::PreparationSteps::WaterType, int(step->waterType()) },
        { db::PreparationSteps::WaterDose, step->water().dose() },
        { db::PreparationSteps::WaterSpeed, step->water().speed() },
        { db::PreparationSteps::StartDelayCs, step->startDelayCS() },
        { db::PreparationSteps::ExtraText, textValue(step->extraText()) } };
    if (const auto* instant = qobject_cast<const InstantPreparationStep*>(step)) {
        values.insert(db::PreparationSteps::MixerSpeed, int(instant->mixerSpeed()));
        values.insert(db::PreparationSteps::AbsoluteMixTime, instant->mixerAbsoluteMixTime());
    }
    if (const auto* espresso = qobject_cast<const EspressoPreparationStep*>(step)) {
        values.insert(db::PreparationSteps::PreInfusionDose, espresso->preInfusionDose());
        values.insert(db::PreparationSteps::PreInfusionTime, espresso->preInfusionTime());
        values.insert(db::PreparationSteps::SqueezeEnabled, espresso->squeezeEnabled());
        values.insert(db::PreparationSteps::PressureCurrent, int(espresso->pressureCurrent()));
    }
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = step->dbId();
    if (!sql.upsert(db::PreparationSteps::Table, values, id))
        return false;
    step->setDbId(id);
    return true;
}

bool ConfigurationLoader::deletePreparatationStep(int stepId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return atomically(sql, [&] { return deleteStepRows(sql, stepId); });
}

bool ConfigurationLoader::addStepToRecipe(int recipeId, int stepId, int previousStepId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return atomically(sql, [&] {
        Rows existing;
        if (!sql.select(db::RecipeSteps::Table,
                where(db::RecipeSteps::RecipeId, recipeId, db::RecipeSteps::StepId, stepId), existing))
            return false;
        if (!existing.isEmpty()) {
            logFailure(
                sql.caller(), QStringLiteral("Step %1 is already in recipe %2").arg(stepId).arg(recipeId));
            return false;
        }
        Rows recipe;
        Rows step;
        if (!sql.select(db::Recipes::Table, whereId(recipeId), recipe)
            || !sql.select(db::PreparationSteps::Table, whereId(stepId), step))
            return false;
        if (recipe.isEmpty() || step.isEmpty()) {
            logFailure(
                sql.caller(), QStringLiteral("No stored recipe %1 or step %2").arg(recipeId).arg(stepId));
            return false;
        }
        if (previousStepId >= 0) {
            Rows previous;
            if (!sql.select(db::RecipeSteps::Table,
                    where(db::RecipeSteps::RecipeId, recipeId, db::RecipeSteps::StepId, previousStepId),
                    previous))
                return false;
            if (previous.isEmpty()) {
                logFailure(sql.caller(),
                    QStringLiteral("Step %1 is not in recipe %2").arg(previousStepId).arg(recipeId));
                return false;
            }
        }
        // The step that followed the insertion point now follows the new step.
        return sql.update(db::RecipeSteps::Table, { { db::RecipeSteps::PreviousStepId, stepId } },
                   where(db::RecipeSteps::RecipeId, recipeId, db::RecipeSteps::PreviousStepId,
                       previousStepId < 0 ? -1 : previousStepId))
            && sql.insert(db::RecipeSteps::Table,
                { { db::RecipeSteps::RecipeId, recipeId }, { db::RecipeSteps::StepId, stepId },
                    { db::RecipeSteps::PreviousStepId, previousStepId < 0 ? -1 : previousStepId } });
    });
}

bool ConfigurationLoader::removeStepFromRecipe(int recipeId, int stepId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return atomically(sql, [&] { return unlinkStep(sql, recipeId, stepId); });
}

bool ConfigurationLoader::saveIngredient(AbstractIngredient* ingredient, int stepId)
{
    if (!ingredient)
        return false;
    Values values { { db::Ingredients::StepId, stepId }, { db::Ingredients::Type, int(ingredient->type()) },
        { db::Ingredients::LogicalCanisterId, int(ingredient->logicalCanisterId()) },
        { db::Ingredients::ProductId, ingredient->productId() },
        { db::Ingredients::Dose, ingredient->dose() },
        { db::Ingredients::ExtraText, textValue(ingredient->extraText()) } };
    if (const auto* instant = qobject_cast<const InstantIngredient*>(ingredient)) {
        values.insert(db::Ingredients::PowderSpeed, instant->powderSpeed());
        values.insert(db::Ingredients::PowderCycle, int(instant->powderCycle()));
        values.insert(db::Ingredients::PowderCycleValue, instant->powderCycleValue());
    }
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = ingredient->dbId();
    const bool saved = atomically(sql, [&] {
        Rows current;
        if (id >= 0 && !sql.select(db::Ingredients::Table, whereId(id), current))
            return false;
        // A new ingredient, or one moved to another step, goes last in its step.
        if (current.isEmpty() || intValue(current.first(), db::Ingredients::StepId) != stepId) {
            int position = 0;
            if (!sql.nextPosition(db::Ingredients::Table, db::Ingredients::Position,
                    where(db::Ingredients::StepId, stepId), position))
                return false;
            values.insert(db::Ingredients::Position, position);
        }
        return sql.upsert(db::Ingredients::Table, values, id);
    });
    if (saved)
        ingredient->setDbId(id);
    return saved;
}

bool ConfigurationLoader::deleteIngredient(int ingredientId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return sql.remove(db::Ingredients::Table, whereId(ingredientId));
}

// --- Customizations ------------------------------------------------------------

bool ConfigurationLoader::saveCustomization(RecipeCustomization* customization, int recipeId)
{
    if (!customization)
        return false;
    const Values values { { db::Customizations::Type, int(customization->type()) },
        { db::Customizations::Name,
            customization->name().isNull() ? QString(QLatin1String("")) : customization->name() },
        { db::Customizations::DefaultIndex, customization->defaultIndex() },
        { db::Customizations::HundredPercentIndex, customization->hundredPercentIndex() },
        { db::Customizations::StepCount, customization->stepCount() },
        { db::Customizations::CostVariation, customization->costVariation() },
        { db::Customizations::Horizontal, int(customization->horizontal()) },
        { db::Customizations::ParameterKind, customization->parameterKind() },
        { db::Customizations::Icon, int(customization->iconType()) },
        { db::Customizations::ParameterMin, customization->parameterMin() },
        { db::Customizations::ParameterMax, customization->parameterMax() },
        { db::Customizations::Enabled, customization->isEnabled() },
        { db::Customizations::Available, customization->isAvailable() },
        { db::Customizations::AdjustmentRequired, customization->isAdjustmentRequired() },
        { db::Customizations::ExtraText, textValue(customization->extraText()) } };
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = customization->dbId();
    const bool saved = atomically(sql, [&] {
        if (!sql.upsert(db::Customizations::Table, values, id))
            return false;
        if (recipeId < 0)
            return true;
        const Conditions link = where(
            db::RecipeCustomizations::RecipeId, recipeId, db::RecipeCustomizations::CustomizationId, id);
        Rows linked;
        int position = 0;
        return sql.select(db::RecipeCustomizations::Table, link, linked)
            && (!linked.isEmpty()
                || (sql.nextPosition(db::RecipeCustomizations::Table, db::RecipeCustomizations::Position,
                        where(db::RecipeCustomizations::RecipeId, recipeId), position)
                    && sql.insert(db::RecipeCustomizations::Table,
                        { { db::RecipeCustomizations::RecipeId, recipeId },
                            { db::RecipeCustomizations::CustomizationId, id },
                            { db::RecipeCustomizations::Position, position } })));
    });
    if (saved)
        customization->setDbId(id);
    return saved;
}

bool ConfigurationLoader::deleteCustomization(int recipeId, int customizationId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return atomically(sql, [&] { return unlinkCustomization(sql, recipeId, customizationId); });
}

bool ConfigurationLoader::saveAdjustment(AbstractCustomizationAdjustment* adjustment, int recipeId)
{
    if (!adjustment)
        return false;
    const int customizationId
        = adjustment->customization() ? adjustment->customization()->dbId() : adjustment->customizationId();
    if (customizationId < 0 || recipeId < 0) {
        logFailure(
            __PRETTY_FUNCTION__, QStringLiteral("The customization and the recipe must be stored first"));
        return false;
    }
    Values values { { db::Adjustments::RecipeId, recipeId },
        { db::Adjustments::CustomizationId, customizationId },
        { db::Adjustments::Type, int(adjustment->type()) },
        { db::Adjustments::ExtraText, textValue(adjustment->extraText()) } };
    if (const auto* powder = qobject_cast<const PowderDosageAdjustment*>(adjustment)) {
        values.insert(db::Adjustments::LogicalCanisterId, int(powder->logicalCanisterId()));
        values.insert(db::Adjustments::DeltaMin, powder->powderDeltaMin());
        values.insert(db::Adjustments::DeltaMax, powder->powderDeltaMax());
    } else if (const auto* water = qobject_cast<const WaterDosageAdjustment*>(adjustment)) {
        values.insert(db::Adjustments::StepType, int(water->stepType()));
        values.insert(db::Adjustments::DeltaMin, water->waterDeltaMin());
        values.insert(db::Adjustments::DeltaMax, water->waterDeltaMax());
    } else if (const auto* quantity = qobject_cast<const TotalQuantityAdjustment*>(adjustment)) {
        values.insert(db::Adjustments::Quantity, quantity->quantity());
    }
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = adjustment->dbId();
    if (!sql.upsert(db::Adjustments::Table, values, id))
        return false;
    adjustment->setDbId(id);
    return true;
}

bool ConfigurationLoader::deleteAdjustment(int adjustmentId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return sql.remove(db::Adjustments::Table, whereId(adjustmentId));
}

// --- Canisters -----------------------------------------------------------------

namespace {

Values canisterLevelValues(const Canister& canister)
{
    const PowderLevel& level = *canister.powderLevel();
    return { { db::Canisters::EmptyCheckEnabled, level.isEmptyCheckEnabled() },
        { db::Canisters::LevelSensorEnabled, level.isLevelSensorEnabled() },
        { db::Canisters::GramsEmptyThreshold, level.gramsEmptyTreshold() },
        { db::Canisters::WeightWhenFull, level.weightWhenFull() },
        { db::Canisters::CurrentLevel, level.currentValue() } };
}

Values canisterCalibrationValues(const Canister& canister)
{
    return { { db::Canisters::CalibrationMin, canister.calibrationMin() },
        { db::Canisters::CalibrationMax, canister.calibrationMax() } };
}

/// Updates the row of a stored canister; false when it has none.
bool updateCanister(const Sql& sql, const Canister& canister, const Values& values)
{
    int affected = 0;
    if (!sql.update(db::Canisters::Table, values, whereId(canister.id()), &affected))
        return false;
    if (affected == 0)
        logFailure(sql.caller(), QStringLiteral("No stored canister with id %1").arg(canister.id()));
    return affected > 0;
}

} // namespace

bool ConfigurationLoader::saveCanister(Canister* canister)
{
    if (!canister)
        return false;
    Values values = canisterLevelValues(*canister);
    const Values calibration = canisterCalibrationValues(*canister);
    for (auto it = calibration.cbegin(); it != calibration.cend(); ++it)
        values.insert(it.key(), it.value());
    values.insert(db::Canisters::LogicalCanisterId, int(canister->logicalCanisterId()));
    values.insert(
        db::Canisters::Name, canister->name().isNull() ? QString(QLatin1String("")) : canister->name());
    values.insert(db::Canisters::ProductName,
        canister->productName().isNull() ? QString(QLatin1String("")) : canister->productName());
    values.insert(db::Canisters::Type, canister->type());
    values.insert(db::Canisters::Allergens,
        canister->allergens().isNull() ? QString(QLatin1String("")) : canister->allergens());
    values.insert(db::Canisters::Enabled, canister->isEnabled());
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = canister->id();
    if (!sql.upsert(db::Canisters::Table, values, id))
        return false;
    canister->setId(id);
    return true;
}

bool ConfigurationLoader::saveCanisterLevel(const Canister& canister)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return updateCanister(sql, canister, canisterLevelValues(canister));
}

bool ConfigurationLoader::saveCanistersCalibration(const QList<Canister*>& canisters)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return atomically(sql, [&] {
        return std::all_of(canisters.cbegin(), canisters.cend(), [&](const Canister* canister) {
            return canister && updateCanister(sql, *canister, canisterCalibrationValues(*canister));
        });
    });
}

bool ConfigurationLoader::saveGlobalAllergens(int configurationId, const QString& allergens)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    const Values values { { db::GeneralSettings::GlobalAllergens,
        allergens.isNull() ? QString(QLatin1String("")) : allergens } };
    return atomically(sql, [&] {
        int affected = 0;
        if (!sql.update(db::GeneralSettings::Table, values,
                where(db::GeneralSettings::ConfigurationId, configurationId), &affected))
            return false;
        Values row = values;
        row.insert(db::GeneralSettings::ConfigurationId, configurationId);
        return affected > 0 || sql.insert(db::GeneralSettings::Table, row);
    });
}

// --- Categories ----------------------------------------------------------------

bool ConfigurationLoader::saveCategoryInfos(Category* category)
{
    if (!category)
        return false;
    const Values values { { db::Categories::Type, int(category->categoryType()) },
        { db::Categories::Title,
            category->title().isNull() ? QString(QLatin1String("")) : category->title() },
        { db::Categories::GridRows, category->rows() }, { db::Categories::GridColumns, category->columns() },
        { db::Categories::Displayed, category->isDisplayed() },
        { db::Categories::ImageSource, category->imageSource().toString() },
        { db::Categories::ImageHash, category->imageHash() },
        { db::Categories::ExtraText, textValue(category->extraText()) } };
    QByteArray image;
    if (category->imageSource().isLocalFile()) {
        QFile file(category->imageSource().toLocalFile());
        if (file.open(QIODevice::ReadOnly))
            image = file.readAll().toBase64();
    }
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = category->id();
    const bool saved = atomically(sql, [&] {
        Rows current;
        if (id >= 0 && !sql.select(db::Categories::Table, whereId(id), current))
            return false;
        Values row = values;
        if (current.isEmpty()) {
            // A new category is displayed last.
            int order = 0;
            if (!sql.nextPosition(db::Categories::Table, db::Categories::DisplayOrder, {}, order))
                return false;
            row.insert(db::Categories::DisplayOrder, order);
        }
        if (!sql.upsert(db::Categories::Table, row, id)
            || !sql.remove(db::CategoryProducts::Table, where(db::CategoryProducts::CategoryId, id)))
            return false;
        const QList<int> products = category->productIds();
        for (int position = 0; position < products.size(); ++position) {
            if (!sql.insert(db::CategoryProducts::Table,
                    { { db::CategoryProducts::CategoryId, id }, { db::CategoryProducts::Position, position },
                        { db::CategoryProducts::ProductId, products.at(position) } }))
                return false;
        }
        return image.isEmpty() || saveImage(ImageOwner::Category, QString(), id, image);
    });
    if (saved)
        category->setId(id);
    return saved;
}

bool ConfigurationLoader::deleteBeverageCategory(int categoryId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Conditions image;
    image.insert(db::Images::Entity, int(ImageOwner::Category));
    image.insert(db::Images::OwnerId, categoryId);
    // The image goes too: a later category may be given the same id.
    return atomically(sql, [&] {
        return sql.remove(db::CategoryProducts::Table, where(db::CategoryProducts::CategoryId, categoryId))
            && sql.remove(db::Images::Table, image) && sql.remove(db::Categories::Table, whereId(categoryId));
    });
}

bool ConfigurationLoader::saveDisplayedCategories(int configurationId, const QList<Category*>& categories,
    int firstLayoutValue, int secondLayoutValue, bool enabled)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    const Values screen { { db::CategoryScreen::Enabled, enabled },
        { db::CategoryScreen::FirstLayoutValue, firstLayoutValue },
        { db::CategoryScreen::SecondLayoutValue, secondLayoutValue } };
    return atomically(sql, [&] {
        int order = 0;
        for (const Category* category : categories) {
            if (!category || category->id() < 0)
                continue;
            if (!sql.update(db::Categories::Table,
                    { { db::Categories::Displayed, category->isDisplayed() },
                        { db::Categories::DisplayOrder, order++ } },
                    whereId(category->id())))
                return false;
        }
        int affected = 0;
        if (!sql.update(db::CategoryScreen::Table, screen,
                where(db::CategoryScreen::ConfigurationId, configurationId), &affected))
            return false;
        Values row = screen;
        row.insert(db::CategoryScreen::ConfigurationId, configurationId);
        return affected > 0 || sql.insert(db::CategoryScreen::Table, row);
    });
}

// --- Reading -------------------------------------------------------------------

std::vector<std::unique_ptr<Canister>> ConfigurationLoader::loadCanisters() const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    std::vector<std::unique_ptr<Canister>> canisters;
    if (!sql.select(db::Canisters::Table, {}, rows))
        return canisters;
    for (const QSqlRecord& row : rows) {
        auto canister = std::make_unique<Canister>();
        canister->setId(intValue(row, db::Id));
        canister->setLogicalCanisterId(
            static_cast<Canister::LogicalCanisterId>(intValue(row, db::Canisters::LogicalCanisterId)));
        canister->setName(row.value(db::Canisters::Name).toString());
        canister->setProductName(row.value(db::Canisters::ProductName).toString());
        canister->setType(intValue(row, db::Canisters::Type));
        canister->setAllergens(row.value(db::Canisters::Allergens).toString());
        canister->setEnabled(row.value(db::Canisters::Enabled).toBool());
        canister->setCalibrationMin(intValue(row, db::Canisters::CalibrationMin));
        canister->setCalibrationMax(intValue(row, db::Canisters::CalibrationMax));
        PowderLevel& level = *canister->powderLevel();
        level.setEmptyCheckEnabled(row.value(db::Canisters::EmptyCheckEnabled).toBool());
        level.setLevelSensorEnabled(row.value(db::Canisters::LevelSensorEnabled).toBool());
        level.setGramsEmptyTreshold(intValue(row, db::Canisters::GramsEmptyThreshold));
        level.setWeightWhenFull(intValue(row, db::Canisters::WeightWhenFull));
        level.setCurrentValue(intValue(row, db::Canisters::CurrentLevel));
        canisters.push_back(std::move(canister));
    }
    return canisters;
}

QString ConfigurationLoader::loadGlobalAllergens(int configurationId) const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    if (!sql.select(
            db::GeneralSettings::Table, where(db::GeneralSettings::ConfigurationId, configurationId), rows)
        || rows.isEmpty())
        return QString();
    return rows.first().value(db::GeneralSettings::GlobalAllergens).toString();
}

std::vector<std::unique_ptr<Category>> ConfigurationLoader::loadCategories() const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    Rows products;
    std::vector<std::unique_ptr<Category>> categories;
    if (!sql.select(db::Categories::Table, {}, rows)
        || !sql.select(db::CategoryProducts::Table, {}, products))
        return categories;
    sortByColumn(rows, db::Categories::DisplayOrder);
    std::stable_sort(products.begin(), products.end(), [](const QSqlRecord& a, const QSqlRecord& b) {
        return intValue(a, db::CategoryProducts::Position) < intValue(b, db::CategoryProducts::Position);
    });
    for (const QSqlRecord& row : rows) {
        auto category = std::make_unique<Category>();
        category->setId(intValue(row, db::Id));
        category->setCategoryType(static_cast<Category::CategoryType>(intValue(row, db::Categories::Type)));
        category->setTitle(row.value(db::Categories::Title).toString());
        category->setRows(intValue(row, db::Categories::GridRows));
        category->setColumns(intValue(row, db::Categories::GridColumns));
        category->setIsDisplayed(row.value(db::Categories::Displayed).toBool());
        category->setImageSource(QUrl(row.value(db::Categories::ImageSource).toString()), true);
        category->setImageHash(row.value(db::Categories::ImageHash).toString());
        category->setExtraText(optionalText(row, db::Categories::ExtraText));
        for (const QSqlRecord& product : products) {
            if (intValue(product, db::CategoryProducts::CategoryId) == category->id())
                category->addProductId(intValue(product, db::CategoryProducts::ProductId));
        }
        categories.push_back(std::move(category));
    }
    return categories;
}

ConfigurationLoader::CategoryScreen ConfigurationLoader::loadCategoryScreen(int configurationId) const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    CategoryScreen screen;
    if (!sql.select(
            db::CategoryScreen::Table, where(db::CategoryScreen::ConfigurationId, configurationId), rows)
        || rows.isEmpty())
        return screen;
    screen.enabled = rows.first().value(db::CategoryScreen::Enabled).toBool();
    screen.firstLayoutValue = intValue(rows.first(), db::CategoryScreen::FirstLayoutValue);
    screen.secondLayoutValue = intValue(rows.first(), db::CategoryScreen::SecondLayoutValue);
    return screen;
}

QList<int> ConfigurationLoader::loadRecipeIds() const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    QList<int> ids;
    if (!sql.select(db::Recipes::Table, {}, rows))
        return ids;
    for (const QSqlRecord& row : rows)
        ids << intValue(row, db::Id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::vector<std::unique_ptr<AbstractPreparationStep>> ConfigurationLoader::loadRecipeSteps(
    int recipeId, const CanisterMap& canisters) const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    std::vector<std::unique_ptr<AbstractPreparationStep>> steps;
    QList<int> order;
    if (!chainOrder(sql, recipeId, order))
        return steps;
    for (int stepId : order) {
        if (std::unique_ptr<AbstractPreparationStep> step = loadStep(sql, stepId, canisters))
            steps.push_back(std::move(step));
    }
    return steps;
}

std::unique_ptr<AbstractPreparationStep> ConfigurationLoader::loadPreparationStep(
    int stepId, const CanisterMap& canisters) const
{
    return loadStep(Sql(connection(), __PRETTY_FUNCTION__), stepId, canisters);
}

std::unique_ptr<Recipe> ConfigurationLoader::loadRecipe(int recipeId, const CanisterMap& canisters) const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    if (!sql.select(db::Recipes::Table, whereId(recipeId), rows) || rows.isEmpty())
        return nullptr;
    const QSqlRecord& row = rows.first();
    auto recipe = std::make_unique<Recipe>(row.value(db::Recipes::Name).toString(),
        row.value(db::Recipes::HasCup).toBool(), row.value(db::Recipes::HasStirrer).toBool(),
        intValue(row, db::Recipes::DripTimeCs),
        static_cast<Recipe::CupTypeEnum>(intValue(row, db::Recipes::CupType)),
        static_cast<Product::CupToDropFromTurretEnum>(intValue(row, db::Recipes::CupTurret)),
        row.value(db::Recipes::Hidden).toBool());
    recipe->setDbId(recipeId);
    recipe->setExtraText(optionalText(row, db::Recipes::ExtraText));

    QList<AbstractPreparationStep*> steps;
    for (auto& step : loadRecipeSteps(recipeId, canisters))
        steps << step.release();
    recipe->setPreparationSteps(steps);

    Rows links;
    if (sql.select(
            db::RecipeCustomizations::Table, where(db::RecipeCustomizations::RecipeId, recipeId), links)) {
        sortByColumn(links, db::RecipeCustomizations::Position);
        for (const QSqlRecord& link : links) {
            Rows customization;
            if (!sql.select(db::Customizations::Table,
                    whereId(intValue(link, db::RecipeCustomizations::CustomizationId)), customization)
                || customization.isEmpty())
                continue;
            std::unique_ptr<RecipeCustomization> loaded = customizationFromRow(customization.first());
            if (recipe->addCustomization(loaded.get()))
                loaded.release();
        }
    }
    Rows adjustments;
    if (sql.select(db::Adjustments::Table, where(db::Adjustments::RecipeId, recipeId), adjustments)) {
        sortByColumn(adjustments, db::Id);
        const QList<RecipeCustomization*> customizations = recipe->customizations();
        for (const QSqlRecord& adjustmentRow : adjustments) {
            const int customizationId = intValue(adjustmentRow, db::Adjustments::CustomizationId);
            const auto owner = std::find_if(customizations.cbegin(), customizations.cend(),
                [customizationId](const RecipeCustomization* c) { return c->dbId() == customizationId; });
            // An adjustment of a customization the recipe no longer offers has no effect.
            if (owner == customizations.cend())
                continue;
            std::unique_ptr<AbstractCustomizationAdjustment> adjustment
                = adjustmentFromRow(adjustmentRow, *owner);
            if (adjustment && recipe->addCustomizationAdjustment(adjustment.get()))
                adjustment.release();
        }
    }
    return recipe;
}
