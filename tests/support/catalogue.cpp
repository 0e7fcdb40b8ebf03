#include "support/catalogue.h"

#include "core/catalogue/beverage.h"
#include "core/catalogue/beverageprice.h"
#include "core/catalogue/category.h"
#include "core/catalogue/drysugaringredient.h"
#include "core/catalogue/drysugarpreparationstep.h"
#include "core/catalogue/espressoingredient.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantingredient.h"
#include "core/catalogue/instantpreparationstep.h"
#include "core/catalogue/powderdosageadjustment.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/waterdosageadjustment.h"
#include "core/catalogue/wateronlypreparationstep.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

namespace {

using Step = AbstractPreparationStep;
using Custom = RecipeCustomization;
using T = TestCatalogue;
using Id = int T::*;
// (logical id, name, product, type, allergens, calibration min and max, current level)
using CanisterRow = std::tuple<Canister::LogicalCanisterId, QString, QString, int, QString, int, int, int>;
// (type, description, water dose, water speed, (canister, dose) per ingredient)
using StepRow = std::tuple<Step::PreparationStepType, QString, int, int,
    std::vector<std::pair<Canister::LogicalCanisterId, int>>>;

const CanisterRow kCanisters[] = {
    { Canister::CoffeeBeans, "Beans", "Espresso blend", 1, {}, 20, 80, 8000 },
    { Canister::MilkPowder, "Milk powder", "Skimmed milk", 0, "milk,lactose", 10, 90, 4200 },
    { Canister::Chocolate, "Chocolate", "Dark chocolate", 0, "milk,,soy,", 30, 70, 2500 },
    { Canister::Sugar, "Sugar", "White sugar", 0, {}, 0, 100, 6000 },
    { Canister::NoIngredient, "Fresh", {}, 3, {}, 0, 50, 0 },
};

// (name, drip time, cup, recipe id, beverage id, step ids, steps)
using RecipeRow
    = std::tuple<QString, int, Recipe::CupTypeEnum, Id, Id, QList<int> T::*, std::vector<StepRow>>;

const RecipeRow kRecipes[] = {
    { "Espresso", 150, Recipe::StandardCup, &T::espresso, &T::espressoBeverage, &T::espressoSteps,
        { { Step::EspressoStep, "Extraction", 30, 80, { { Canister::CoffeeBeans, 8 } } },
            { Step::DrySugarStep, "Sugar", 0, 0, { { Canister::Sugar, 5 } } } } },
    { "Hot chocolate", 200, Recipe::LargeCup, &T::hotChocolate, &T::hotChocolateBeverage,
        &T::hotChocolateSteps,
        { { Step::InstantStep, "Chocolate", 120, 100,
              { { Canister::Chocolate, 25 }, { Canister::MilkPowder, 10 } } },
            { Step::WaterOnlyStep, "Top up", 50, 120, {} } } },
    { "Cappuccino", 180, Recipe::Mug, &T::cappuccino, &T::cappuccinoBeverage, &T::cappuccinoSteps,
        { { Step::EspressoStep, "Extraction", 30, 80, { { Canister::CoffeeBeans, 9 } } },
            { Step::InstantStep, "Milk", 80, 100, { { Canister::MilkPowder, 12 } } },
            { Step::InstantStep, "Foam", 30, 100,
                { { Canister::Chocolate, 3 }, { Canister::MilkPowder, 4 } } } } },
};

/// (recipe, customization id, adjustment id, the customization's constructor arguments, then the
/// adjustment: of the water of the steps of type `target` if `water`, else of the powder of logical
/// canister `target`)
using CustomizationRow = std::tuple<Id, Id, Id,
    std::tuple<Custom::CustomizationType, QString, int, int, int, float, quint8, int, Custom::IconType, int,
        int>,
    bool, int, int, int, nonstd::optional<QString>>;

const CustomizationRow kCustomizations[] = {
    { &T::espresso, &T::strengthCustomization, &T::strengthAdjustment,
        { Custom::StrengthCustomization, "Strength", 1, 1, 3, 0.2f, 0, 0, Custom::BeanIcon, 0, 0 }, false,
        Canister::CoffeeBeans, -20, 20, {} },
    { &T::cappuccino, &T::sugarCustomization, &T::sugarAdjustment,
        { Custom::SugarCustomization, "Sugar", 2, 2, 5, 0.0f, 1, 2, Custom::CubeIcon, 1, 9 }, false,
        Canister::Sugar, -100, 100, QStringLiteral("sugar scale") },
    { &T::cappuccino, &T::milkCustomization, &T::milkAdjustment,
        { Custom::MilkAlternativeCustomization, "Milk alternative", 0, 0, 2, 0.3f, 0, 0, Custom::DropIcon, 0,
            0 },
        true, Step::InstantStep, -10, 30, {} },
};

// (type, title, displayed, products (null for an empty cell), extra text)
using CategoryRow
    = std::tuple<Category::CategoryType, QString, bool, std::vector<Id>, nonstd::optional<QString>>;

const CategoryRow kCategories[] = {
    { Category::HotDrinksCategory, "Hot drinks", true,
        { &T::espressoBeverage, nullptr, &T::hotChocolateBeverage }, {} },
    { Category::StandardCategory, "Seasonal", false, {}, {} },
    { Category::GroupingCategory, "Specialities", true, {}, QStringLiteral("grouping") },
    { Category::SubCategory, "Milk drinks", true, { &T::cappuccinoBeverage }, {} },
};

const std::tuple<QString, TypedString::StringType, QLocale::Language, QString> kTranslations[] = {
    { "Cappuccino", TypedString::RecipeName, QLocale::German, "Cappuccino" },
    { "Cappuccino", TypedString::RecipeName, QLocale::French, "Cappuccino" },
    { "Seasonal", TypedString::CategoryTitle, QLocale::German, "Saisonal" },
    { "Milk drinks", TypedString::CategoryTitle, QLocale::French, "Boissons lactées" },
    { "Milk powder", TypedString::CanisterName, QLocale::German, "Milchpulver" },
    { "Sugar", TypedString::CustomizationName, QLocale::German, "Zucker" },
    { "Sugar", TypedString::CustomizationName, QLocale::French, "Sucre" },
};

/// The settings of the test catalogue's objects that its tables leave out.
void tuneTestObject(QObject& object)
{
    if (auto* canister = qobject_cast<Canister*>(&object)) {
        PowderLevel& level = *canister->powderLevel();
        level.setEmptyCheckEnabled(canister->type() != 3);
        level.setLevelSensorEnabled(canister->type() == 1);
        level.setGramsEmptyTreshold(canister->calibrationMin() / 2 + 5);
        level.setWeightWhenFull(canister->calibrationMax() * 20);
    } else if (auto* espresso = qobject_cast<EspressoPreparationStep*>(&object)) {
        espresso->setWaterType(Step::EspressoBoilerWater);
        espresso->setPreInfusionDose(6);
        espresso->setPreInfusionTime(1500);
        espresso->setSqueezeEnabled(true);
        espresso->setPressureCurrent(EspressoPreparationStep::HighCurrent);
    } else if (auto* instant = qobject_cast<InstantPreparationStep*>(&object)) {
        instant->setMixerSpeed(InstantPreparationStep::HighMixerSpeed);
        instant->setMixerAbsoluteMixTime(true);
        instant->setStartDelayCS(20);
    } else if (auto* sugar = qobject_cast<DrySugarPreparationStep*>(&object)) {
        sugar->setWaterType(Step::NoWater);
    } else if (auto* powder = qobject_cast<InstantIngredient*>(&object)) {
        powder->setPowderSpeed(60);
        powder->setPowderCycle(InstantIngredient::PulsedPowderCycle, 4);
    }
}

/// Stores catalogue rows through the core's loader; `tune` sets what the rows leave out.
struct Writer
{
    ConfigurationLoader loader;
    void (*tune)(QObject&) = [](QObject&) {};
    TranslationsManager* translations;
    bool ok = true;
    QObject categoryOwner;
    QList<Category*> categories;

    void check(bool stored) { ok = ok && stored; }

    int save(const CanisterRow& row)
    {
        const auto& [logicalId, name, product, type, allergens, calibrationMin, calibrationMax, level] = row;
        Canister canister;
        canister.setLogicalCanisterId(logicalId);
        canister.setName(name);
        canister.setProductName(product);
        canister.setType(type);
        canister.setAllergens(allergens);
        canister.setCalibrationMin(calibrationMin);
        canister.setCalibrationMax(calibrationMax);
        canister.powderLevel()->setCurrentValue(level);
        tune(canister);
        check(loader.saveCanister(&canister));
        return canister.id();
    }

    /// Stores the step linked after `previous`, appending the ids of its ingredients to `ingredientIds`.
    int save(const StepRow& row, int recipeId, int previous, QList<int>& ingredientIds)
    {
        const auto& [type, description, water, speed, doses] = row;
        const std::unique_ptr<Step> step(type == Step::EspressoStep ? new EspressoPreparationStep
                : type == Step::InstantStep                         ? new InstantPreparationStep
                : type == Step::DrySugarStep ? static_cast<Step*>(new DrySugarPreparationStep)
                                             : new WaterOnlyPreparationStep);
        step->setDescription(description);
        step->setDose(water);
        step->water().setSpeed(speed);
        tune(*step);
        check(loader.savePreparationStep(step.get()));
        check(loader.addStepToRecipe(recipeId, step->dbId(), previous));
        for (const auto& [canister, dose] : doses) {
            const std::unique_ptr<AbstractIngredient> ingredient(type == Step::EspressoStep
                    ? new EspressoIngredient
                    : type == Step::DrySugarStep ? static_cast<AbstractIngredient*>(new DrySugarIngredient)
                                                 : new InstantIngredient);
            ingredient->setCanisterId(canister);
            ingredient->setProductId(int(canister));
            ingredient->setDose(dose);
            tune(*ingredient);
            check(loader.saveIngredient(ingredient.get(), step->dbId()));
            ingredientIds << ingredient->dbId();
        }
        return step->dbId();
    }

    int saveRecipe(const QString& name, bool hasStirrer, int dripTime, Recipe::CupTypeEnum cupType)
    {
        Recipe recipe(name, true, hasStirrer, dripTime, cupType, Product::FirstTurret, false);
        check(loader.saveRecipe(&recipe));
        return recipe.dbId();
    }

    int saveCategory(Category::CategoryType type, const QString& title, bool displayed, int rows, int columns,
        const QList<int>& products, const nonstd::optional<QString>& extraText = nonstd::nullopt)
    {
        auto* category = new Category(&categoryOwner);
        category->setExtraText(extraText);
        category->setCategoryType(type);
        category->setTitle(title);
        category->setIsDisplayed(displayed);
        category->setRows(rows);
        category->setColumns(columns);
        for (const int product : products)
            category->addProductId(product);
        check(loader.saveCategoryInfos(category));
        categories << category;
        return category->id();
    }
};

/// Runs `writes` in one transaction (one commit keeps seeding fast), then
/// saves the translations they added; whether every write was stored.
bool seed(CoreEnvironment& core, const std::function<void(Writer&)>& writes)
{
    ConfigurationGroup& group = *core.configurationGroup();
    Writer writer;
    writer.translations = group.translationsManager();
    writer.loader.setDatabase(group.database());
    QSqlDatabase db = group.database()->database();
    if (db.transaction())
        writes(writer);
    if (writer.ok && db.commit())
        return group.translationsManager()->save();
    db.rollback();
    return false;
}

} // namespace

TestCatalogue seedTestCatalogue(CoreEnvironment& core)
{
    TestCatalogue ids;
    const bool seeded = seed(core, [&](Writer& w) {
        w.tune = tuneTestObject;
        for (const CanisterRow& row : kCanisters)
            ids.canisters.insert(std::get<0>(row), w.save(row));
        w.check(w.loader.saveGlobalAllergens(1, QStringLiteral("gluten,nuts")));
        for (const auto& [name, dripTime, cupType, id, beverage, stepIds, steps] : kRecipes) {
            Recipe recipe;
            recipe.setDbId(ids.*id = w.saveRecipe(name, true, dripTime, cupType));
            Beverage drink;
            drink.setRecipe(&recipe);
            w.check(w.loader.saveBeverage(&drink, 1));
            ids.*beverage = drink.id();
            int previous = -1;
            for (const StepRow& step : steps) {
                QList<int> ingredients;
                (ids.*stepIds) << (previous = w.save(step, ids.*id, previous, ingredients));
                if (!ingredients.isEmpty())
                    ids.stepIngredients.insert(previous, ingredients);
            }
        }
        for (const auto& [recipe, id, adjustmentId, arguments, water, target, deltaMin, deltaMax, extraText] :
            kCustomizations) {
            Custom customization = std::make_from_tuple<Custom>(arguments);
            w.check(w.loader.saveCustomization(&customization, ids.*recipe));
            ids.*id = customization.dbId();
            const std::unique_ptr<AbstractCustomizationAdjustment> adjustment(water
                    ? static_cast<AbstractCustomizationAdjustment*>(new WaterDosageAdjustment(
                        &customization, Step::PreparationStepType(target), deltaMin, deltaMax))
                    : new PowderDosageAdjustment(
                        &customization, Canister::LogicalCanisterId(target), deltaMin, deltaMax));
            adjustment->setExtraText(extraText);
            w.check(w.loader.saveAdjustment(adjustment.get(), ids.*recipe));
            ids.*adjustmentId = adjustment->dbId();
        }
        for (const auto& [type, title, displayed, products, extraText] : kCategories) {
            QList<int> cells;
            for (const Id product : products)
                cells << (product ? ids.*product : -1);
            ids.categories << w.saveCategory(type, title, displayed, 2, 3, cells, extraText);
        }
        w.check(w.loader.saveDisplayedCategories(1, w.categories, 3, 2, true));
        for (const auto& [original, type, language, text] : kTranslations)
            w.translations->addTranslation(original, type, language, text);
    });
    if (!seeded)
        ADD_FAILURE() << "Seeding the test catalogue failed";
    return ids;
}

// --- Generated catalogue -------------------------------------------------------

QString generatedRecipeName(int i)
{
    return QStringLiteral("Recipe %1").arg(i, 4, 10, QLatin1Char('0'));
}

QString generatedCategoryTitle(int i)
{
    return QStringLiteral("Category %1").arg(i, 2, 10, QLatin1Char('0'));
}

QString generatedCanisterName(int i)
{
    return QStringLiteral("Canister %1").arg(i, 2, 10, QLatin1Char('0'));
}

Canister::LogicalCanisterId generatedLogicalId(int i)
{
    // Every canister holds an ingredient: ids 1 to 36.
    return Canister::LogicalCanisterId(1 + i % 36);
}

int generatedPrice(int i, int band, int type)
{
    return type == 3 ? i % 100 : 50 + i + band * 10 + type;
}

bool seedGeneratedCatalogue(CoreEnvironment& core, const GeneratedCatalogue& shape)
{
    const Step::PreparationStepType kinds[]
        = { Step::EspressoStep, Step::InstantStep, Step::InstantStep, Step::DrySugarStep };
    return seed(core, [&](Writer& w) {
        const auto translate = [&](const QString& original, TypedString::StringType type) {
            for (const QLocale::Language language : shape.languages)
                w.translations->addTranslation(original, type, language,
                    original + QLatin1Char(' ') + QLocale::languageToString(language));
        };

        for (int i = 0; i < shape.canisters; ++i)
            w.save(CanisterRow { generatedLogicalId(i), generatedCanisterName(i),
                QStringLiteral("Product %1").arg(i), i % 4,
                i % 3 == 0 ? QStringLiteral("milk,soy,") : QString(), 10, 90, 5000 });
        QList<int> recipeIds;
        for (int i = 0; i < shape.recipes; ++i) {
            const int recipe
                = w.saveRecipe(generatedRecipeName(i), i % 2 == 0, 150, Recipe::CupTypeEnum(i % 4));
            recipeIds << recipe;
            int previous = -1;
            QList<int> ingredients;
            for (int s = 0; s < shape.stepsPerRecipe; ++s) {
                StepRow row { kinds[s % 4], QStringLiteral("Step %1").arg(s), 40 + s * 10, 100, {} };
                for (int k = 0; k < shape.ingredientsPerStep; ++k)
                    std::get<4>(row).emplace_back(
                        generatedLogicalId(i + s * shape.ingredientsPerStep + k), 5 + k);
                previous = w.save(row, recipe, previous, ingredients);
            }
            translate(generatedRecipeName(i), TypedString::RecipeName);
        }
        for (int i = 0; i < shape.categories; ++i) {
            QList<int> products;
            for (int p = 0; p < shape.productsPerCategory; ++p)
                products << (p % 5 == 4 ? -1 : i * shape.productsPerCategory + p);
            w.saveCategory(i % 10 == 0 ? Category::GroupingCategory : Category::StandardCategory,
                generatedCategoryTitle(i), i % 3 != 0, 3, 4, products);
            translate(generatedCategoryTitle(i), TypedString::CategoryTitle);
        }
        w.check(w.loader.saveDisplayedCategories(1, w.categories, 3, 4, true));
        for (int i = 0; i < shape.canisters; ++i)
            translate(generatedCanisterName(i), TypedString::CanisterName);
        for (int i = 0; i < std::min(shape.beverages, shape.recipes); ++i) {
            Recipe recipe;
            recipe.setDbId(recipeIds.at(i));
            Beverage beverage;
            beverage.setName(QStringLiteral("Product %1").arg(i, 3, 10, QLatin1Char('0')));
            beverage.setProductAttributeRole(i & 0xFF);
            beverage.setRecipe(&recipe);
            w.check(w.loader.saveBeverage(&beverage, 1));
            translate(beverage.name(), TypedString::BeverageName);
        }
        for (int i = 0; i < shape.pricedBeverages; ++i) {
            Beverage beverage;
            beverage.setName(QStringLiteral("Beverage %1").arg(i, 3, 10, QLatin1Char('0')));
            for (int band = 0; band < BeveragePrice::TimeBandCount; ++band) {
                for (int type = 0; type < BeveragePrice::PaymentTypeCount; ++type) {
                    const int value = generatedPrice(i, band, type);
                    beverage.setOrAddPrice(type, 0, 0, band, type == 3 ? -1 : value, type == 3 ? value : -1);
                }
            }
            w.check(w.loader.saveBeverage(&beverage, 1) && w.loader.saveProductPrice(&beverage));
        }
    });
}
