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
#include "core/configuration/configurationloader.h"
#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "core/log/logformatter.h"

#include <algorithm>
#include <QFile>
#include <QSet>
#include <QSqlRecord>

namespace {

using Values = AbstractDatabase::Values;
using Conditions = AbstractDatabase::Conditions;
using Rows = QList<QSqlRecord>;
using CanisterMap = QMap<Canister::LogicalCanisterId, Canister*>;

const QString kRecipes = QStringLiteral("Recipes");
const QString kSteps = QStringLiteral("PreparationSteps");
const QString kChain = QStringLiteral("Recipe_Steps");
const QString kIngredients = QStringLiteral("Ingredients");
const QString kCustomizations = QStringLiteral("Customizations");
const QString kRecipeCustomizations = QStringLiteral("Recipe_Customizations");
const QString kAdjustments = QStringLiteral("Adjustments");
const QString kCanisters = QStringLiteral("Canisters");
const QString kGeneralSettings = QStringLiteral("General_Settings");
const QString kCategories = QStringLiteral("Categories");
const QString kCategoryProducts = QStringLiteral("Category_Products");
const QString kCategoryScreen = QStringLiteral("Category_Screen");
const QString kBeverages = QStringLiteral("Beverages");
const QString kImages = QStringLiteral("Images");

Conditions where(const QString& column, const QVariant& value)
{
    Conditions conditions;
    conditions.insert(column, value);
    return conditions;
}

Conditions where(const QString& column, const QVariant& value, const QString& column2, const QVariant& value2)
{
    Conditions conditions = where(column, value);
    conditions.insert(column2, value2);
    return conditions;
}

Conditions whereId(int id)
{
    return where(QStringLiteral("id"), id);
}

QVariant textValue(const nonstd::optional<QString>& text)
{
    // A present empty text is stored as such, so that it does not read back as absent.
    if (!text)
        return QVariant(QVariant::String);
    return text->isNull() ? QString(QLatin1String("")) : *text;
}

nonstd::optional<QString> optionalText(const QSqlRecord& row, const QString& column)
{
    const QVariant value = row.value(column);
    if (value.isNull())
        return nonstd::nullopt;
    return value.toString();
}

int intValue(const QSqlRecord& row, const char* column)
{
    return row.value(QLatin1String(column)).toInt();
}

/// The statements of one loader operation, all named after it.
class Sql
{
public:
    Sql(QSqlDatabase db, const char* caller)
        : m_db(std::move(db))
        , m_caller(caller)
    {
    }

    bool select(const QString& table, const Conditions& conditions, Rows& rows) const
    {
        rows.clear();
        VqSqlQuery query(m_db, m_caller);
        if (!AbstractDatabase::prepareSELECTALLQuery(query, table, conditions) || !query.exec())
            return false;
        while (query.next())
            rows << query.record();
        return true;
    }

    bool insert(const QString& table, const Values& values, int* newId = nullptr) const
    {
        VqSqlQuery query(m_db, m_caller);
        if (!AbstractDatabase::prepareINSERTQuery(query, table, values) || !query.exec())
            return false;
        if (newId)
            *newId = query.lastInsertId().toInt();
        return true;
    }

    bool update(const QString& table, const Values& values, const Conditions& conditions,
        int* affected = nullptr) const
    {
        VqSqlQuery query(m_db, m_caller);
        if (!AbstractDatabase::prepareUPDATEQuery(
                query, table, values, conditions, AbstractDatabase::AllEqual)
            || !query.exec())
            return false;
        if (affected)
            *affected = query.numRowsAffected();
        return true;
    }

    bool remove(const QString& table, const Conditions& conditions) const
    {
        VqSqlQuery query(m_db, m_caller);
        return AbstractDatabase::prepareDELETEQuery(query, table, conditions, AbstractDatabase::AllEqual)
            && query.exec();
    }

    /// Updates row `id`, or inserts it when there is none; a negative id
    /// inserts a new row and takes its id.
    bool upsert(const QString& table, const Values& values, int& id) const
    {
        if (id >= 0) {
            int affected = 0;
            if (!update(table, values, whereId(id), &affected))
                return false;
            if (affected > 0)
                return true;
            Values row = values;
            row.insert(QStringLiteral("id"), id);
            return insert(table, row);
        }
        return insert(table, values, &id);
    }

    /// One past the highest `column` of the rows matching `conditions`.
    bool nextPosition(
        const QString& table, const QString& column, const Conditions& conditions, int& next) const
    {
        Rows rows;
        if (!select(table, conditions, rows))
            return false;
        next = 0;
        for (const QSqlRecord& row : rows)
            next = std::max(next, row.value(column).toInt() + 1);
        return true;
    }

    QSqlDatabase database() const { return m_db; }
    const char* caller() const { return m_caller; }

private:
    QSqlDatabase m_db;
    const char* m_caller;
};

/// Makes the writes of one operation all or nothing: a transaction of its own,
/// or a savepoint when the caller already opened one.
class Savepoint
{
public:
    explicit Savepoint(const Sql& sql)
        : m_sql(sql)
        , m_db(sql.database())
    {
        m_ownTransaction = m_db.transaction();
        m_open = m_ownTransaction || run("SAVEPOINT catalogue_write");
    }

    ~Savepoint()
    {
        if (!m_open)
            return;
        if (m_ownTransaction) {
            m_db.rollback();
        } else {
            run("ROLLBACK TO catalogue_write");
            run("RELEASE catalogue_write");
        }
    }

    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    bool isOpen() const { return m_open; }

    /// Keeps the writes when `ok`; otherwise (or when they cannot be kept) undoes them.
    bool finish(bool ok)
    {
        if (!m_open || !ok)
            return false;
        if (m_ownTransaction ? m_db.commit() : run("RELEASE catalogue_write")) {
            m_open = false;
            return true;
        }
        return false;
    }

private:
    bool run(const char* statement) const
    {
        VqSqlQuery query(m_db, m_sql.caller());
        return query.prepare(QLatin1String(statement)) && query.exec();
    }

    const Sql& m_sql;
    QSqlDatabase m_db;
    bool m_ownTransaction = false;
    bool m_open = false;
};

template <class Operation> bool atomically(const Sql& sql, Operation&& operation)
{
    Savepoint savepoint(sql);
    if (!savepoint.isOpen())
        return false;
    return savepoint.finish(operation());
}

void logFailure(const char* caller, const QString& what)
{
    LogFormatter(LogLevel::Error).log(Log::Database) << caller << what;
}

// --- Step chain -------------------------------------------------------------

/// Takes step `stepId` out of recipe `recipeId`'s chain, joining its successor to its predecessor.
bool unlinkStep(const Sql& sql, int recipeId, int stepId)
{
    Rows links;
    if (!sql.select(
            kChain, where(QStringLiteral("recipe_id"), recipeId, QStringLiteral("step_id"), stepId), links))
        return false;
    if (links.isEmpty())
        return true;
    const int previous = intValue(links.first(), "previous_step_id");
    return sql.update(kChain, { { QStringLiteral("previous_step_id"), previous } },
               where(QStringLiteral("recipe_id"), recipeId, QStringLiteral("previous_step_id"), stepId))
        && sql.remove(
            kChain, where(QStringLiteral("recipe_id"), recipeId, QStringLiteral("step_id"), stepId));
}

/// Step ids of a recipe in chain order. Links that the chain does not reach
/// (a damaged chain) follow in ascending id order.
bool chainOrder(const Sql& sql, int recipeId, QList<int>& order)
{
    Rows links;
    if (!sql.select(kChain, where(QStringLiteral("recipe_id"), recipeId), links))
        return false;
    QMultiMap<int, int> byPrevious;
    QList<int> all;
    for (const QSqlRecord& link : links) {
        byPrevious.insert(intValue(link, "previous_step_id"), intValue(link, "step_id"));
        all << intValue(link, "step_id");
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
    if (!sql.select(kChain, where(QStringLiteral("step_id"), stepId), links))
        return false;
    for (const QSqlRecord& link : links) {
        if (!unlinkStep(sql, intValue(link, "recipe_id"), stepId))
            return false;
    }
    return sql.remove(kIngredients, where(QStringLiteral("step_id"), stepId))
        && sql.remove(kSteps, whereId(stepId));
}

/// Unlinks a customization from a recipe with that recipe's adjustments of it;
/// the customization's row goes with its last link.
bool unlinkCustomization(const Sql& sql, int recipeId, int customizationId)
{
    const Conditions link
        = where(QStringLiteral("recipe_id"), recipeId, QStringLiteral("customization_id"), customizationId);
    Rows remaining;
    return sql.remove(kRecipeCustomizations, link) && sql.remove(kAdjustments, link)
        && sql.select(
            kRecipeCustomizations, where(QStringLiteral("customization_id"), customizationId), remaining)
        && (!remaining.isEmpty()
            || (sql.remove(kAdjustments, where(QStringLiteral("customization_id"), customizationId))
                && sql.remove(kCustomizations, whereId(customizationId))));
}

// --- Rows to objects ----------------------------------------------------------

std::unique_ptr<AbstractPreparationStep> stepFromRow(const QSqlRecord& row)
{
    const auto type = static_cast<AbstractPreparationStep::PreparationStepType>(intValue(row, "type"));
    std::unique_ptr<AbstractPreparationStep> step;
    switch (type) {
    case AbstractPreparationStep::DrySugarStep:
        step = std::make_unique<DrySugarPreparationStep>();
        break;
    case AbstractPreparationStep::EspressoStep:
    case AbstractPreparationStep::LongEspressoStep:
    case AbstractPreparationStep::ShortEspressoStep: {
        auto espresso = std::make_unique<EspressoPreparationStep>(type);
        espresso->setPreInfusionDose(intValue(row, "pre_infusion_dose"));
        espresso->setPreInfusionTime(intValue(row, "pre_infusion_time"));
        espresso->setSqueezeEnabled(row.value(QStringLiteral("squeeze_enabled")).toBool());
        espresso->setPressureCurrent(
            static_cast<EspressoPreparationStep::CurrentValue>(intValue(row, "pressure_current")));
        step = std::move(espresso);
        break;
    }
    case AbstractPreparationStep::InstantStep: {
        auto instant = std::make_unique<InstantPreparationStep>();
        instant->setMixerSpeed(static_cast<InstantPreparationStep::MixerSpeed>(intValue(row, "mixer_speed")));
        instant->setMixerAbsoluteMixTime(row.value(QStringLiteral("absolute_mix_time")).toBool());
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
    step->setDbId(intValue(row, "id"));
    step->setDescription(row.value(QStringLiteral("description")).toString());
    step->setWaterType(static_cast<AbstractPreparationStep::WaterType>(intValue(row, "water_type")));
    step->water().setDose(intValue(row, "water_dose"));
    step->water().setSpeed(intValue(row, "water_speed"));
    step->setStartDelayCS(intValue(row, "start_delay_cs"));
    step->setExtraText(optionalText(row, QStringLiteral("extra_text")));
    return step;
}

std::unique_ptr<AbstractIngredient> ingredientFromRow(const QSqlRecord& row, const CanisterMap& canisters)
{
    const auto type = static_cast<AbstractIngredient::IngredientType>(intValue(row, "type"));
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
        instant->setPowderSpeed(intValue(row, "powder_speed"));
        instant->setPowderCycle(static_cast<InstantIngredient::PowderCycle>(intValue(row, "powder_cycle")),
            intValue(row, "powder_cycle_value"));
        ingredient = std::move(instant);
        break;
    }
    case AbstractIngredient::SyrupIngredientType:
        ingredient = std::make_unique<SyrupIngredient>();
        break;
    default:
        return nullptr;
    }
    const auto canisterId = static_cast<Canister::LogicalCanisterId>(intValue(row, "logical_canister_id"));
    ingredient->setDbId(intValue(row, "id"));
    ingredient->setCanisterId(canisterId);
    ingredient->setCanister(canisters.value(canisterId));
    ingredient->setProductId(intValue(row, "product_id"));
    ingredient->setDose(intValue(row, "dose"));
    ingredient->setExtraText(optionalText(row, QStringLiteral("extra_text")));
    return ingredient;
}

std::unique_ptr<RecipeCustomization> customizationFromRow(const QSqlRecord& row)
{
    auto customization = std::make_unique<RecipeCustomization>(
        static_cast<RecipeCustomization::CustomizationType>(intValue(row, "type")),
        row.value(QStringLiteral("name")).toString(), intValue(row, "default_index"),
        intValue(row, "hundred_percent_index"), intValue(row, "step_count"),
        row.value(QStringLiteral("cost_variation")).toFloat(),
        static_cast<quint8>(intValue(row, "horizontal")), intValue(row, "parameter_kind"),
        static_cast<RecipeCustomization::IconType>(intValue(row, "icon")), intValue(row, "parameter_min"),
        intValue(row, "parameter_max"));
    customization->setDbId(intValue(row, "id"));
    customization->setIsEnabled(row.value(QStringLiteral("enabled")).toBool());
    customization->setIsAvailable(row.value(QStringLiteral("available")).toBool());
    customization->setIsAdjustmentRequired(row.value(QStringLiteral("adjustment_required")).toBool());
    customization->setExtraText(optionalText(row, QStringLiteral("extra_text")));
    return customization;
}

std::unique_ptr<AbstractCustomizationAdjustment> adjustmentFromRow(
    const QSqlRecord& row, const RecipeCustomization* customization)
{
    std::unique_ptr<AbstractCustomizationAdjustment> adjustment;
    switch (intValue(row, "type")) {
    case AbstractCustomizationAdjustment::PowderDosage:
        adjustment = std::make_unique<PowderDosageAdjustment>(customization,
            static_cast<Canister::LogicalCanisterId>(intValue(row, "logical_canister_id")),
            intValue(row, "delta_min"), intValue(row, "delta_max"));
        break;
    case AbstractCustomizationAdjustment::WaterDosage:
        adjustment = std::make_unique<WaterDosageAdjustment>(customization,
            static_cast<AbstractPreparationStep::PreparationStepType>(intValue(row, "step_type")),
            intValue(row, "delta_min"), intValue(row, "delta_max"));
        break;
    case AbstractCustomizationAdjustment::TotalQuantity:
        adjustment = std::make_unique<TotalQuantityAdjustment>(customization, intValue(row, "quantity"));
        break;
    default:
        return nullptr;
    }
    adjustment->setDbId(intValue(row, "id"));
    adjustment->setExtraText(optionalText(row, QStringLiteral("extra_text")));
    return adjustment;
}

void sortByColumn(Rows& rows, const char* column)
{
    std::stable_sort(rows.begin(), rows.end(), [column](const QSqlRecord& a, const QSqlRecord& b) {
        return std::make_pair(intValue(a, column), intValue(a, "id"))
            < std::make_pair(intValue(b, column), intValue(b, "id"));
    });
}

/// A stored step with its ingredients in order; null when there is no such row.
std::unique_ptr<AbstractPreparationStep> loadStep(const Sql& sql, int stepId, const CanisterMap& canisters)
{
    Rows rows;
    Rows ingredients;
    if (!sql.select(kSteps, whereId(stepId), rows) || rows.isEmpty()
        || !sql.select(kIngredients, where(QStringLiteral("step_id"), stepId), ingredients))
        return nullptr;
    std::unique_ptr<AbstractPreparationStep> step = stepFromRow(rows.first());
    if (!step) {
        logFailure(sql.caller(), QStringLiteral("Step %1 has an unknown type").arg(stepId));
        return nullptr;
    }
    sortByColumn(ingredients, "position");
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
    const bool saved = sql.upsert(kRecipes,
        { { QStringLiteral("name"), recipe->name() }, { QStringLiteral("has_cup"), recipe->hasCup() },
            { QStringLiteral("has_stirrer"), recipe->hasStirrer() },
            { QStringLiteral("drip_time_cs"), recipe->dripTimeCS() },
            { QStringLiteral("cup_type"), int(recipe->cupType()) },
            { QStringLiteral("cup_turret"), int(recipe->cupToDropFromTurret()) },
            { QStringLiteral("hidden"), recipe->isHidden() },
            { QStringLiteral("extra_text"), textValue(recipe->extraText()) } },
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
        if (!sql.select(kChain, where(QStringLiteral("recipe_id"), recipeId), links))
            return false;
        for (const QSqlRecord& link : links) {
            const int stepId = intValue(link, "step_id");
            Rows users;
            if (!unlinkStep(sql, recipeId, stepId)
                || !sql.select(kChain, where(QStringLiteral("step_id"), stepId), users))
                return false;
            // A step that another recipe links stays for it.
            if (users.isEmpty() && !deleteStepRows(sql, stepId))
                return false;
        }
        Rows customizations;
        if (!sql.select(kRecipeCustomizations, where(QStringLiteral("recipe_id"), recipeId), customizations))
            return false;
        for (const QSqlRecord& link : customizations) {
            if (!unlinkCustomization(sql, recipeId, intValue(link, "customization_id")))
                return false;
        }
        Rows beverages;
        if (!sql.select(kBeverages, where(QStringLiteral("recipe_id"), recipeId), beverages))
            return false;
        return (beverages.isEmpty()
                   || sql.update(kBeverages, { { QStringLiteral("recipe_id"), QVariant(QVariant::Int) } },
                       where(QStringLiteral("recipe_id"), recipeId)))
            && sql.remove(kAdjustments, where(QStringLiteral("recipe_id"), recipeId))
            && sql.remove(kRecipes, whereId(recipeId));
    });
}

bool ConfigurationLoader::savePreparationStep(AbstractPreparationStep* step)
{
    if (!step)
        return false;
    Values values { { QStringLiteral("type"), int(step->type()) },
        { QStringLiteral("description"),
            step->description().isNull() ? QString(QLatin1String("")) : step->description() },
        { QStringLiteral("water_type"), int(step->waterType()) },
        { QStringLiteral("water_dose"), step->water().dose() },
        { QStringLiteral("water_speed"), step->water().speed() },
        { QStringLiteral("start_delay_cs"), step->startDelayCS() },
        { QStringLiteral("extra_text"), textValue(step->extraText()) } };
    if (const auto* instant = qobject_cast<const InstantPreparationStep*>(step)) {
        values.insert(QStringLiteral("mixer_speed"), int(instant->mixerSpeed()));
        values.insert(QStringLiteral("absolute_mix_time"), instant->mixerAbsoluteMixTime());
    }
    if (const auto* espresso = qobject_cast<const EspressoPreparationStep*>(step)) {
        values.insert(QStringLiteral("pre_infusion_dose"), espresso->preInfusionDose());
        values.insert(QStringLiteral("pre_infusion_time"), espresso->preInfusionTime());
        values.insert(QStringLiteral("squeeze_enabled"), espresso->squeezeEnabled());
        values.insert(QStringLiteral("pressure_current"), int(espresso->pressureCurrent()));
    }
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = step->dbId();
    if (!sql.upsert(kSteps, values, id))
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
        if (!sql.select(kChain,
                where(QStringLiteral("recipe_id"), recipeId, QStringLiteral("step_id"), stepId), existing))
            return false;
        if (!existing.isEmpty()) {
            logFailure(
                sql.caller(), QStringLiteral("Step %1 is already in recipe %2").arg(stepId).arg(recipeId));
            return false;
        }
        Rows recipe;
        Rows step;
        if (!sql.select(kRecipes, whereId(recipeId), recipe) || !sql.select(kSteps, whereId(stepId), step))
            return false;
        if (recipe.isEmpty() || step.isEmpty()) {
            logFailure(
                sql.caller(), QStringLiteral("No stored recipe %1 or step %2").arg(recipeId).arg(stepId));
            return false;
        }
        if (previousStepId >= 0) {
            Rows previous;
            if (!sql.select(kChain,
                    where(QStringLiteral("recipe_id"), recipeId, QStringLiteral("step_id"), previousStepId),
                    previous))
                return false;
            if (previous.isEmpty()) {
                logFailure(sql.caller(),
                    QStringLiteral("Step %1 is not in recipe %2").arg(previousStepId).arg(recipeId));
                return false;
            }
        }
        // The step that followed the insertion point now follows the new step.
        return sql.update(kChain, { { QStringLiteral("previous_step_id"), stepId } },
                   where(QStringLiteral("recipe_id"), recipeId, QStringLiteral("previous_step_id"),
                       previousStepId < 0 ? -1 : previousStepId))
            && sql.insert(kChain,
                { { QStringLiteral("recipe_id"), recipeId }, { QStringLiteral("step_id"), stepId },
                    { QStringLiteral("previous_step_id"), previousStepId < 0 ? -1 : previousStepId } });
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
    Values values { { QStringLiteral("step_id"), stepId },
        { QStringLiteral("type"), int(ingredient->type()) },
        { QStringLiteral("logical_canister_id"), int(ingredient->logicalCanisterId()) },
        { QStringLiteral("product_id"), ingredient->productId() },
        { QStringLiteral("dose"), ingredient->dose() },
        { QStringLiteral("extra_text"), textValue(ingredient->extraText()) } };
    if (const auto* instant = qobject_cast<const InstantIngredient*>(ingredient)) {
        values.insert(QStringLiteral("powder_speed"), instant->powderSpeed());
        values.insert(QStringLiteral("powder_cycle"), int(instant->powderCycle()));
        values.insert(QStringLiteral("powder_cycle_value"), instant->powderCycleValue());
    }
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = ingredient->dbId();
    const bool saved = atomically(sql, [&] {
        Rows current;
        if (id >= 0 && !sql.select(kIngredients, whereId(id), current))
            return false;
        // A new ingredient, or one moved to another step, goes last in its step.
        if (current.isEmpty() || intValue(current.first(), "step_id") != stepId) {
            int position = 0;
            if (!sql.nextPosition(kIngredients, QStringLiteral("position"),
                    where(QStringLiteral("step_id"), stepId), position))
                return false;
            values.insert(QStringLiteral("position"), position);
        }
        return sql.upsert(kIngredients, values, id);
    });
    if (saved)
        ingredient->setDbId(id);
    return saved;
}

bool ConfigurationLoader::deleteIngredient(int ingredientId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return sql.remove(kIngredients, whereId(ingredientId));
}

// --- Customizations ------------------------------------------------------------

bool ConfigurationLoader::saveCustomization(RecipeCustomization* customization, int recipeId)
{
    if (!customization)
        return false;
    const Values values { { QStringLiteral("type"), int(customization->type()) },
        { QStringLiteral("name"),
            customization->name().isNull() ? QString(QLatin1String("")) : customization->name() },
        { QStringLiteral("default_index"), customization->defaultIndex() },
        { QStringLiteral("hundred_percent_index"), customization->hundredPercentIndex() },
        { QStringLiteral("step_count"), customization->stepCount() },
        { QStringLiteral("cost_variation"), customization->costVariation() },
        { QStringLiteral("horizontal"), int(customization->horizontal()) },
        { QStringLiteral("parameter_kind"), customization->parameterKind() },
        { QStringLiteral("icon"), int(customization->iconType()) },
        { QStringLiteral("parameter_min"), customization->parameterMin() },
        { QStringLiteral("parameter_max"), customization->parameterMax() },
        { QStringLiteral("enabled"), customization->isEnabled() },
        { QStringLiteral("available"), customization->isAvailable() },
        { QStringLiteral("adjustment_required"), customization->isAdjustmentRequired() },
        { QStringLiteral("extra_text"), textValue(customization->extraText()) } };
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = customization->dbId();
    const bool saved = atomically(sql, [&] {
        if (!sql.upsert(kCustomizations, values, id))
            return false;
        if (recipeId < 0)
            return true;
        const Conditions link
            = where(QStringLiteral("recipe_id"), recipeId, QStringLiteral("customization_id"), id);
        Rows linked;
        int position = 0;
        return sql.select(kRecipeCustomizations, link, linked)
            && (!linked.isEmpty()
                || (sql.nextPosition(kRecipeCustomizations, QStringLiteral("position"),
                        where(QStringLiteral("recipe_id"), recipeId), position)
                    && sql.insert(kRecipeCustomizations,
                        { { QStringLiteral("recipe_id"), recipeId },
                            { QStringLiteral("customization_id"), id },
                            { QStringLiteral("position"), position } })));
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
    Values values { { QStringLiteral("recipe_id"), recipeId },
        { QStringLiteral("customization_id"), customizationId },
        { QStringLiteral("type"), int(adjustment->type()) },
        { QStringLiteral("extra_text"), textValue(adjustment->extraText()) } };
    if (const auto* powder = qobject_cast<const PowderDosageAdjustment*>(adjustment)) {
        values.insert(QStringLiteral("logical_canister_id"), int(powder->logicalCanisterId()));
        values.insert(QStringLiteral("delta_min"), powder->powderDeltaMin());
        values.insert(QStringLiteral("delta_max"), powder->powderDeltaMax());
    } else if (const auto* water = qobject_cast<const WaterDosageAdjustment*>(adjustment)) {
        values.insert(QStringLiteral("step_type"), int(water->stepType()));
        values.insert(QStringLiteral("delta_min"), water->waterDeltaMin());
        values.insert(QStringLiteral("delta_max"), water->waterDeltaMax());
    } else if (const auto* quantity = qobject_cast<const TotalQuantityAdjustment*>(adjustment)) {
        values.insert(QStringLiteral("quantity"), quantity->quantity());
    }
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = adjustment->dbId();
    if (!sql.upsert(kAdjustments, values, id))
        return false;
    adjustment->setDbId(id);
    return true;
}

bool ConfigurationLoader::deleteAdjustment(int adjustmentId)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    return sql.remove(kAdjustments, whereId(adjustmentId));
}

// --- Canisters -----------------------------------------------------------------

namespace {

Values canisterLevelValues(const Canister& canister)
{
    const PowderLevel& level = *canister.powderLevel();
    return { { QStringLiteral("empty_check_enabled"), level.isEmptyCheckEnabled() },
        { QStringLiteral("level_sensor_enabled"), level.isLevelSensorEnabled() },
        { QStringLiteral("grams_empty_threshold"), level.gramsEmptyTreshold() },
        { QStringLiteral("weight_when_full"), level.weightWhenFull() },
        { QStringLiteral("current_level"), level.currentValue() } };
}

Values canisterCalibrationValues(const Canister& canister)
{
    return { { QStringLiteral("calibration_min"), canister.calibrationMin() },
        { QStringLiteral("calibration_max"), canister.calibrationMax() } };
}

/// Updates the row of a stored canister; false when it has none.
bool updateCanister(const Sql& sql, const Canister& canister, const Values& values)
{
    int affected = 0;
    if (!sql.update(kCanisters, values, whereId(canister.id()), &affected))
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
    values.insert(QStringLiteral("logical_canister_id"), int(canister->logicalCanisterId()));
    values.insert(
        QStringLiteral("name"), canister->name().isNull() ? QString(QLatin1String("")) : canister->name());
    values.insert(QStringLiteral("product_name"),
        canister->productName().isNull() ? QString(QLatin1String("")) : canister->productName());
    values.insert(QStringLiteral("type"), canister->type());
    values.insert(QStringLiteral("allergens"),
        canister->allergens().isNull() ? QString(QLatin1String("")) : canister->allergens());
    values.insert(QStringLiteral("enabled"), canister->isEnabled());
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = canister->id();
    if (!sql.upsert(kCanisters, values, id))
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
    const Values values { { QStringLiteral("global_allergens"),
        allergens.isNull() ? QString(QLatin1String("")) : allergens } };
    return atomically(sql, [&] {
        int affected = 0;
        if (!sql.update(kGeneralSettings, values, where(QStringLiteral("configuration_id"), configurationId),
                &affected))
            return false;
        Values row = values;
        row.insert(QStringLiteral("configuration_id"), configurationId);
        return affected > 0 || sql.insert(kGeneralSettings, row);
    });
}

// --- Categories ----------------------------------------------------------------

bool ConfigurationLoader::saveCategoryInfos(Category* category)
{
    if (!category)
        return false;
    const Values values { { QStringLiteral("type"), int(category->categoryType()) },
        { QStringLiteral("title"),
            category->title().isNull() ? QString(QLatin1String("")) : category->title() },
        { QStringLiteral("grid_rows"), category->rows() },
        { QStringLiteral("grid_columns"), category->columns() },
        { QStringLiteral("displayed"), category->isDisplayed() },
        { QStringLiteral("image_source"), category->imageSource().toString() },
        { QStringLiteral("image_hash"), category->imageHash() },
        { QStringLiteral("extra_text"), textValue(category->extraText()) } };
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
        if (id >= 0 && !sql.select(kCategories, whereId(id), current))
            return false;
        Values row = values;
        if (current.isEmpty()) {
            // A new category is displayed last.
            int order = 0;
            if (!sql.nextPosition(kCategories, QStringLiteral("display_order"), {}, order))
                return false;
            row.insert(QStringLiteral("display_order"), order);
        }
        if (!sql.upsert(kCategories, row, id)
            || !sql.remove(kCategoryProducts, where(QStringLiteral("category_id"), id)))
            return false;
        const QList<int> products = category->productIds();
        for (int position = 0; position < products.size(); ++position) {
            if (!sql.insert(kCategoryProducts,
                    { { QStringLiteral("category_id"), id }, { QStringLiteral("position"), position },
                        { QStringLiteral("product_id"), products.at(position) } }))
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
    image.insert(QStringLiteral("entity"), int(ImageOwner::Category));
    image.insert(QStringLiteral("owner_id"), categoryId);
    // The image goes too: a later category may be given the same id.
    return atomically(sql, [&] {
        return sql.remove(kCategoryProducts, where(QStringLiteral("category_id"), categoryId))
            && sql.remove(kImages, image) && sql.remove(kCategories, whereId(categoryId));
    });
}

bool ConfigurationLoader::saveDisplayedCategories(int configurationId, const QList<Category*>& categories,
    int firstLayoutValue, int secondLayoutValue, bool enabled)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    const Values screen { { QStringLiteral("enabled"), enabled },
        { QStringLiteral("first_layout_value"), firstLayoutValue },
        { QStringLiteral("second_layout_value"), secondLayoutValue } };
    return atomically(sql, [&] {
        int order = 0;
        for (const Category* category : categories) {
            if (!category || category->id() < 0)
                continue;
            if (!sql.update(kCategories,
                    { { QStringLiteral("displayed"), category->isDisplayed() },
                        { QStringLiteral("display_order"), order++ } },
                    whereId(category->id())))
                return false;
        }
        int affected = 0;
        if (!sql.update(kCategoryScreen, screen, where(QStringLiteral("configuration_id"), configurationId),
                &affected))
            return false;
        Values row = screen;
        row.insert(QStringLiteral("configuration_id"), configurationId);
        return affected > 0 || sql.insert(kCategoryScreen, row);
    });
}

// --- Beverages -----------------------------------------------------------------

bool ConfigurationLoader::saveBeverage(Beverage* beverage, int configurationId)
{
    if (!beverage)
        return false;
    const Recipe* recipe = beverage->recipe();
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = beverage->id();
    if (!sql.upsert(kBeverages,
            { { QStringLiteral("configuration_id"), configurationId },
                { QStringLiteral("recipe_id"),
                    recipe && recipe->dbId() >= 0 ? QVariant(recipe->dbId()) : QVariant(QVariant::Int) } },
            id))
        return false;
    beverage->setId(id);
    return true;
}

// --- Reading -------------------------------------------------------------------

std::vector<std::unique_ptr<Canister>> ConfigurationLoader::loadCanisters() const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    std::vector<std::unique_ptr<Canister>> canisters;
    if (!sql.select(kCanisters, {}, rows))
        return canisters;
    for (const QSqlRecord& row : rows) {
        auto canister = std::make_unique<Canister>();
        canister->setId(intValue(row, "id"));
        canister->setLogicalCanisterId(
            static_cast<Canister::LogicalCanisterId>(intValue(row, "logical_canister_id")));
        canister->setName(row.value(QStringLiteral("name")).toString());
        canister->setProductName(row.value(QStringLiteral("product_name")).toString());
        canister->setType(intValue(row, "type"));
        canister->setAllergens(row.value(QStringLiteral("allergens")).toString());
        canister->setEnabled(row.value(QStringLiteral("enabled")).toBool());
        canister->setCalibrationMin(intValue(row, "calibration_min"));
        canister->setCalibrationMax(intValue(row, "calibration_max"));
        PowderLevel& level = *canister->powderLevel();
        level.setEmptyCheckEnabled(row.value(QStringLiteral("empty_check_enabled")).toBool());
        level.setLevelSensorEnabled(row.value(QStringLiteral("level_sensor_enabled")).toBool());
        level.setGramsEmptyTreshold(intValue(row, "grams_empty_threshold"));
        level.setWeightWhenFull(intValue(row, "weight_when_full"));
        level.setCurrentValue(intValue(row, "current_level"));
        canisters.push_back(std::move(canister));
    }
    return canisters;
}

QString ConfigurationLoader::loadGlobalAllergens(int configurationId) const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    if (!sql.select(kGeneralSettings, where(QStringLiteral("configuration_id"), configurationId), rows)
        || rows.isEmpty())
        return QString();
    return rows.first().value(QStringLiteral("global_allergens")).toString();
}

std::vector<std::unique_ptr<Category>> ConfigurationLoader::loadCategories() const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    Rows products;
    std::vector<std::unique_ptr<Category>> categories;
    if (!sql.select(kCategories, {}, rows) || !sql.select(kCategoryProducts, {}, products))
        return categories;
    sortByColumn(rows, "display_order");
    std::stable_sort(products.begin(), products.end(), [](const QSqlRecord& a, const QSqlRecord& b) {
        return intValue(a, "position") < intValue(b, "position");
    });
    for (const QSqlRecord& row : rows) {
        auto category = std::make_unique<Category>();
        category->setId(intValue(row, "id"));
        category->setCategoryType(static_cast<Category::CategoryType>(intValue(row, "type")));
        category->setTitle(row.value(QStringLiteral("title")).toString());
        category->setRows(intValue(row, "grid_rows"));
        category->setColumns(intValue(row, "grid_columns"));
        category->setIsDisplayed(row.value(QStringLiteral("displayed")).toBool());
        category->setImageSource(QUrl(row.value(QStringLiteral("image_source")).toString()), true);
        category->setImageHash(row.value(QStringLiteral("image_hash")).toString());
        category->setExtraText(optionalText(row, QStringLiteral("extra_text")));
        for (const QSqlRecord& product : products) {
            if (intValue(product, "category_id") == category->id())
                category->addProductId(intValue(product, "product_id"));
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
    if (!sql.select(kCategoryScreen, where(QStringLiteral("configuration_id"), configurationId), rows)
        || rows.isEmpty())
        return screen;
    screen.enabled = rows.first().value(QStringLiteral("enabled")).toBool();
    screen.firstLayoutValue = intValue(rows.first(), "first_layout_value");
    screen.secondLayoutValue = intValue(rows.first(), "second_layout_value");
    return screen;
}

QList<int> ConfigurationLoader::loadRecipeIds() const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    QList<int> ids;
    if (!sql.select(kRecipes, {}, rows))
        return ids;
    for (const QSqlRecord& row : rows)
        ids << intValue(row, "id");
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
    if (!sql.select(kRecipes, whereId(recipeId), rows) || rows.isEmpty())
        return nullptr;
    const QSqlRecord& row = rows.first();
    auto recipe = std::make_unique<Recipe>(row.value(QStringLiteral("name")).toString(),
        row.value(QStringLiteral("has_cup")).toBool(), row.value(QStringLiteral("has_stirrer")).toBool(),
        intValue(row, "drip_time_cs"), static_cast<Recipe::CupTypeEnum>(intValue(row, "cup_type")),
        static_cast<Product::CupToDropFromTurretEnum>(intValue(row, "cup_turret")),
        row.value(QStringLiteral("hidden")).toBool());
    recipe->setDbId(recipeId);
    recipe->setExtraText(optionalText(row, QStringLiteral("extra_text")));

    QList<AbstractPreparationStep*> steps;
    for (auto& step : loadRecipeSteps(recipeId, canisters))
        steps << step.release();
    recipe->setPreparationSteps(steps);

    Rows links;
    if (sql.select(kRecipeCustomizations, where(QStringLiteral("recipe_id"), recipeId), links)) {
        sortByColumn(links, "position");
        for (const QSqlRecord& link : links) {
            Rows customization;
            if (!sql.select(kCustomizations, whereId(intValue(link, "customization_id")), customization)
                || customization.isEmpty())
                continue;
            std::unique_ptr<RecipeCustomization> loaded = customizationFromRow(customization.first());
            if (recipe->addCustomization(loaded.get()))
                loaded.release();
        }
    }
    Rows adjustments;
    if (sql.select(kAdjustments, where(QStringLiteral("recipe_id"), recipeId), adjustments)) {
        sortByColumn(adjustments, "id");
        const QList<RecipeCustomization*> customizations = recipe->customizations();
        for (const QSqlRecord& adjustmentRow : adjustments) {
            const int customizationId = intValue(adjustmentRow, "customization_id");
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

std::vector<std::unique_ptr<Beverage>> ConfigurationLoader::loadBeverages(
    int configurationId, const QList<Recipe*>& recipes) const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    std::vector<std::unique_ptr<Beverage>> beverages;
    if (!sql.select(kBeverages, where(QStringLiteral("configuration_id"), configurationId), rows))
        return beverages;
    sortByColumn(rows, "id");
    for (const QSqlRecord& row : rows) {
        auto beverage = std::make_unique<Beverage>();
        beverage->setId(intValue(row, "id"));
        const QVariant recipeId = row.value(QStringLiteral("recipe_id"));
        if (!recipeId.isNull()) {
            const auto recipe = std::find_if(recipes.cbegin(), recipes.cend(),
                [id = recipeId.toInt()](const Recipe* r) { return r->dbId() == id; });
            beverage->setRecipe(recipe == recipes.cend() ? nullptr : *recipe);
        }
        beverages.push_back(std::move(beverage));
    }
    return beverages;
}
