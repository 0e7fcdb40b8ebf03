#include "support/catalogue.h"

#include "core/catalogue/beverage.h"
#include "core/catalogue/canister.h"
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

#include <gtest/gtest.h>

namespace {

class Seeder
{
public:
    Seeder(CoreEnvironment& core, TestCatalogue& ids)
        : m_group(*core.configurationGroup())
        , m_ids(ids)
    {
        m_loader.setDatabase(m_group.database());
    }

    void seed()
    {
        // One commit instead of one per write keeps every test that seeds fast.
        QSqlDatabase db = m_group.database()->database();
        check(db.transaction(), "transaction");
        seedCanisters();
        seedRecipes();
        seedBeverages();
        seedCategories();
        check(db.commit(), "commit");
        seedTranslations();
    }

private:
    void check(bool ok, const char* what)
    {
        if (!ok)
            ADD_FAILURE() << "Seeding the test catalogue failed: " << what;
    }

    void addCanister(Canister::LogicalCanisterId logicalId, const QString& name, const QString& product,
        int type, const QString& allergens, int calibrationMin, int calibrationMax, int currentLevel)
    {
        Canister canister;
        canister.setLogicalCanisterId(logicalId);
        canister.setName(name);
        canister.setProductName(product);
        canister.setType(type);
        canister.setAllergens(allergens);
        canister.setCalibrationMin(calibrationMin);
        canister.setCalibrationMax(calibrationMax);
        PowderLevel& level = *canister.powderLevel();
        level.setEmptyCheckEnabled(type != 3);
        level.setLevelSensorEnabled(type == 1);
        level.setGramsEmptyTreshold(calibrationMin / 2 + 5);
        level.setWeightWhenFull(calibrationMax * 20);
        level.setCurrentValue(currentLevel);
        check(m_loader.saveCanister(&canister), "canister");
        m_ids.canisters.insert(logicalId, canister.id());
    }

    void seedCanisters()
    {
        addCanister(Canister::CoffeeBeans, QStringLiteral("Beans"), QStringLiteral("Espresso blend"), 1,
            QString(), 20, 80, 8000);
        addCanister(Canister::MilkPowder, QStringLiteral("Milk powder"), QStringLiteral("Skimmed milk"), 0,
            QStringLiteral("milk,lactose"), 10, 90, 4200);
        addCanister(Canister::Chocolate, QStringLiteral("Chocolate"), QStringLiteral("Dark chocolate"), 0,
            QStringLiteral("milk,,soy,"), 30, 70, 2500);
        addCanister(Canister::Sugar, QStringLiteral("Sugar"), QStringLiteral("White sugar"), 0, QString(), 0,
            100, 6000);
        addCanister(Canister::NoIngredient, QStringLiteral("Fresh"), QString(), 3, QString(), 0, 50, 0);
        check(m_loader.saveGlobalAllergens(1, QStringLiteral("gluten,nuts")), "global allergens");
    }

    int saveStep(AbstractPreparationStep& step, int recipeId, int previousStepId)
    {
        check(m_loader.savePreparationStep(&step), "step");
        check(m_loader.addStepToRecipe(recipeId, step.dbId(), previousStepId), "step link");
        return step.dbId();
    }

    void addIngredient(
        AbstractIngredient& ingredient, Canister::LogicalCanisterId canister, int dose, int stepId)
    {
        ingredient.setCanisterId(canister);
        ingredient.setProductId(int(canister));
        ingredient.setDose(dose);
        check(m_loader.saveIngredient(&ingredient, stepId), "ingredient");
        m_ids.stepIngredients[stepId] << ingredient.dbId();
    }

    int espressoStep(int recipeId, int previous, int beans, QList<int>& steps)
    {
        EspressoPreparationStep step;
        step.setDescription(QStringLiteral("Extraction"));
        step.setWaterType(AbstractPreparationStep::EspressoBoilerWater);
        step.setDose(30);
        step.water().setSpeed(80);
        step.setPreInfusionDose(6);
        step.setPreInfusionTime(1500);
        step.setSqueezeEnabled(true);
        step.setPressureCurrent(EspressoPreparationStep::HighCurrent);
        const int id = saveStep(step, recipeId, previous);
        steps << id;
        EspressoIngredient coffee;
        addIngredient(coffee, Canister::CoffeeBeans, beans, id);
        return id;
    }

    int instantStep(int recipeId, int previous, const QString& description, int water,
        const QList<QPair<Canister::LogicalCanisterId, int>>& powders, QList<int>& steps)
    {
        InstantPreparationStep step;
        step.setDescription(description);
        step.setDose(water);
        step.water().setSpeed(100);
        step.setMixerSpeed(InstantPreparationStep::HighMixerSpeed);
        step.setMixerAbsoluteMixTime(true);
        step.setStartDelayCS(20);
        const int id = saveStep(step, recipeId, previous);
        steps << id;
        for (const auto& powder : powders) {
            InstantIngredient ingredient;
            ingredient.setPowderSpeed(60);
            ingredient.setPowderCycle(InstantIngredient::PulsedPowderCycle, 4);
            addIngredient(ingredient, powder.first, powder.second, id);
        }
        return id;
    }

    int saveRecipe(const QString& name, int dripTime, Recipe::CupTypeEnum cupType)
    {
        Recipe recipe(name, true, true, dripTime, cupType, Product::FirstTurret, false);
        check(m_loader.saveRecipe(&recipe), "recipe");
        return recipe.dbId();
    }

    template <class Adjustment> int saveAdjustment(Adjustment& adjustment, int recipeId)
    {
        check(m_loader.saveAdjustment(&adjustment, recipeId), "adjustment");
        return adjustment.dbId();
    }

    void seedRecipes()
    {
        m_ids.espresso = saveRecipe(QStringLiteral("Espresso"), 150, Recipe::StandardCup);
        const int extraction = espressoStep(m_ids.espresso, -1, 8, m_ids.espressoSteps);
        DrySugarPreparationStep sugarStep;
        sugarStep.setDescription(QStringLiteral("Sugar"));
        sugarStep.setWaterType(AbstractPreparationStep::NoWater);
        const int sugarStepId = saveStep(sugarStep, m_ids.espresso, extraction);
        m_ids.espressoSteps << sugarStepId;
        DrySugarIngredient sugar;
        addIngredient(sugar, Canister::Sugar, 5, sugarStepId);

        m_ids.hotChocolate = saveRecipe(QStringLiteral("Hot chocolate"), 200, Recipe::LargeCup);
        const int mix = instantStep(m_ids.hotChocolate, -1, QStringLiteral("Chocolate"), 120,
            { { Canister::Chocolate, 25 }, { Canister::MilkPowder, 10 } }, m_ids.hotChocolateSteps);
        WaterOnlyPreparationStep water;
        water.setDescription(QStringLiteral("Top up"));
        water.setDose(50);
        water.water().setSpeed(120);
        m_ids.hotChocolateSteps << saveStep(water, m_ids.hotChocolate, mix);

        m_ids.cappuccino = saveRecipe(QStringLiteral("Cappuccino"), 180, Recipe::Mug);
        const int coffee = espressoStep(m_ids.cappuccino, -1, 9, m_ids.cappuccinoSteps);
        const int milk = instantStep(m_ids.cappuccino, coffee, QStringLiteral("Milk"), 80,
            { { Canister::MilkPowder, 12 } }, m_ids.cappuccinoSteps);
        instantStep(m_ids.cappuccino, milk, QStringLiteral("Foam"), 30,
            { { Canister::Chocolate, 3 }, { Canister::MilkPowder, 4 } }, m_ids.cappuccinoSteps);

        RecipeCustomization strength(RecipeCustomization::StrengthCustomization, QStringLiteral("Strength"),
            1, 1, 3, 0.2f, 0, 0, RecipeCustomization::BeanIcon, 0, 0);
        check(m_loader.saveCustomization(&strength, m_ids.espresso), "customization");
        m_ids.strengthCustomization = strength.dbId();
        PowderDosageAdjustment strengthAdjustment(&strength, Canister::CoffeeBeans, -20, 20);
        m_ids.strengthAdjustment = saveAdjustment(strengthAdjustment, m_ids.espresso);

        RecipeCustomization sugarChoice(RecipeCustomization::SugarCustomization, QStringLiteral("Sugar"), 2,
            2, 5, 0.0f, 1, 2, RecipeCustomization::CubeIcon, 1, 9);
        check(m_loader.saveCustomization(&sugarChoice, m_ids.cappuccino), "customization");
        m_ids.sugarCustomization = sugarChoice.dbId();
        PowderDosageAdjustment sugarAdjustment(&sugarChoice, Canister::Sugar, -100, 100);
        sugarAdjustment.setExtraText(QStringLiteral("sugar scale"));
        m_ids.sugarAdjustment = saveAdjustment(sugarAdjustment, m_ids.cappuccino);

        RecipeCustomization milkChoice(RecipeCustomization::MilkAlternativeCustomization,
            QStringLiteral("Milk alternative"), 0, 0, 2, 0.3f, 0, 0, RecipeCustomization::DropIcon, 0, 0);
        check(m_loader.saveCustomization(&milkChoice, m_ids.cappuccino), "customization");
        m_ids.milkCustomization = milkChoice.dbId();
        WaterDosageAdjustment milkAdjustment(&milkChoice, AbstractPreparationStep::InstantStep, -10, 30);
        m_ids.milkAdjustment = saveAdjustment(milkAdjustment, m_ids.cappuccino);
    }

    int saveBeverage(int recipeId)
    {
        Recipe recipe;
        recipe.setDbId(recipeId);
        Beverage beverage;
        beverage.setRecipe(&recipe);
        check(m_loader.saveBeverage(&beverage, 1), "beverage");
        return beverage.id();
    }

    void seedBeverages()
    {
        m_ids.espressoBeverage = saveBeverage(m_ids.espresso);
        m_ids.hotChocolateBeverage = saveBeverage(m_ids.hotChocolate);
        m_ids.cappuccinoBeverage = saveBeverage(m_ids.cappuccino);
    }

    void addCategory(Category::CategoryType type, const QString& title, bool displayed,
        const QList<int>& products, const nonstd::optional<QString>& extraText = nonstd::nullopt)
    {
        auto* category = new Category(&m_categoryOwner);
        category->setExtraText(extraText);
        category->setCategoryType(type);
        category->setTitle(title);
        category->setIsDisplayed(displayed);
        category->setRows(2);
        category->setColumns(3);
        for (int product : products)
            category->addProductId(product);
        check(m_loader.saveCategoryInfos(category), "category");
        m_ids.categories << category->id();
        m_categories << category;
    }

    void seedCategories()
    {
        addCategory(Category::HotDrinksCategory, QStringLiteral("Hot drinks"), true,
            { m_ids.espressoBeverage, -1, m_ids.hotChocolateBeverage });
        addCategory(Category::StandardCategory, QStringLiteral("Seasonal"), false, {});
        addCategory(
            Category::GroupingCategory, QStringLiteral("Specialities"), true, {}, QStringLiteral("grouping"));
        addCategory(Category::SubCategory, QStringLiteral("Milk drinks"), true, { m_ids.cappuccinoBeverage });
        check(m_loader.saveDisplayedCategories(1, m_categories, 3, 2, true), "displayed categories");
    }

    void seedTranslations()
    {
        TranslationsManager& translations = *m_group.translationsManager();
        const auto add = [&](const char* original, TypedString::StringType type, QLocale::Language language,
                             const char* text) {
            translations.addTranslation(QString::fromUtf8(original), type, language, QString::fromUtf8(text));
        };
        add("Cappuccino", TypedString::RecipeName, QLocale::German, "Cappuccino");
        add("Cappuccino", TypedString::RecipeName, QLocale::French, "Cappuccino");
        add("Seasonal", TypedString::CategoryTitle, QLocale::German, "Saisonal");
        add("Milk drinks", TypedString::CategoryTitle, QLocale::French, "Boissons lactées");
        add("Milk powder", TypedString::CanisterName, QLocale::German, "Milchpulver");
        add("Sugar", TypedString::CustomizationName, QLocale::German, "Zucker");
        add("Sugar", TypedString::CustomizationName, QLocale::French, "Sucre");
        check(translations.save(), "translations");
    }

    ConfigurationGroup& m_group;
    TestCatalogue& m_ids;
    ConfigurationLoader m_loader;
    QObject m_categoryOwner;
    QList<Category*> m_categories;
};

} // namespace

TestCatalogue seedTestCatalogue(CoreEnvironment& core)
{
    TestCatalogue ids;
    Seeder(core, ids).seed();
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

namespace {

class Generator
{
public:
    Generator(ConfigurationGroup& group, const GeneratedCatalogue& shape)
        : m_group(group)
        , m_shape(shape)
    {
        m_loader.setDatabase(group.database());
    }

    bool seed()
    {
        // One commit for the whole catalogue keeps the start-up short.
        QSqlDatabase db = m_group.database()->database();
        if (!db.transaction())
            return false;
        const bool ok = seedCanisters() && seedRecipes() && seedCategories() && seedPricedBeverages();
        if (!ok || !db.commit()) {
            db.rollback();
            return false;
        }
        seedTranslations();
        return m_group.translationsManager()->save();
    }

private:
    bool seedCanisters()
    {
        for (int i = 0; i < m_shape.canisters; ++i) {
            Canister canister;
            canister.setLogicalCanisterId(generatedLogicalId(i));
            canister.setName(generatedCanisterName(i));
            canister.setProductName(QStringLiteral("Product %1").arg(i));
            canister.setType(i % 4);
            canister.setAllergens(i % 3 == 0 ? QStringLiteral("milk,soy,") : QString());
            canister.setCalibrationMin(10);
            canister.setCalibrationMax(90);
            canister.powderLevel()->setCurrentValue(5000);
            if (!m_loader.saveCanister(&canister))
                return false;
        }
        return true;
    }

    bool addIngredients(AbstractPreparationStep& step, int recipe, int stepIndex)
    {
        for (int k = 0; k < m_shape.ingredientsPerStep; ++k) {
            std::unique_ptr<AbstractIngredient> ingredient;
            if (step.type() == AbstractPreparationStep::EspressoStep)
                ingredient = std::make_unique<EspressoIngredient>();
            else if (step.type() == AbstractPreparationStep::DrySugarStep)
                ingredient = std::make_unique<DrySugarIngredient>();
            else
                ingredient = std::make_unique<InstantIngredient>();
            const Canister::LogicalCanisterId canister
                = generatedLogicalId(recipe + stepIndex * m_shape.ingredientsPerStep + k);
            ingredient->setCanisterId(canister);
            ingredient->setProductId(int(canister));
            ingredient->setDose(5 + k);
            if (!m_loader.saveIngredient(ingredient.get(), step.dbId()))
                return false;
        }
        return true;
    }

    static std::unique_ptr<AbstractPreparationStep> stepOfKind(int stepIndex)
    {
        switch (stepIndex % 4) {
        case 0:
            return std::make_unique<EspressoPreparationStep>();
        case 3:
            return std::make_unique<DrySugarPreparationStep>();
        default:
            return std::make_unique<InstantPreparationStep>();
        }
    }

    bool seedRecipes()
    {
        for (int i = 0; i < m_shape.recipes; ++i) {
            Recipe recipe(generatedRecipeName(i), true, i % 2 == 0, 150, Recipe::CupTypeEnum(i % 4),
                Product::FirstTurret, false);
            if (!m_loader.saveRecipe(&recipe))
                return false;
            int previous = -1;
            for (int s = 0; s < m_shape.stepsPerRecipe; ++s) {
                const std::unique_ptr<AbstractPreparationStep> step = stepOfKind(s);
                step->setDescription(QStringLiteral("Step %1").arg(s));
                step->setDose(40 + s * 10);
                step->water().setSpeed(100);
                if (!m_loader.savePreparationStep(step.get())
                    || !m_loader.addStepToRecipe(recipe.dbId(), step->dbId(), previous)
                    || !addIngredients(*step, i, s))
                    return false;
                previous = step->dbId();
            }
        }
        return true;
    }

    bool seedCategories()
    {
        QObject owner;
        QList<Category*> categories;
        for (int i = 0; i < m_shape.categories; ++i) {
            auto* category = new Category(&owner);
            category->setCategoryType(i % 10 == 0 ? Category::GroupingCategory : Category::StandardCategory);
            category->setTitle(generatedCategoryTitle(i));
            category->setIsDisplayed(i % 3 != 0);
            category->setRows(3);
            category->setColumns(4);
            for (int p = 0; p < m_shape.productsPerCategory; ++p)
                category->addProductId(p % 5 == 4 ? -1 : i * m_shape.productsPerCategory + p);
            if (!m_loader.saveCategoryInfos(category))
                return false;
            categories << category;
        }
        return m_loader.saveDisplayedCategories(1, categories, 3, 4, true);
    }

    // --- Priced beverages (for the price accessors) ---
    bool seedPricedBeverages()
    {
        for (int i = 0; i < m_shape.pricedBeverages; ++i) {
            Beverage beverage;
            beverage.setName(QStringLiteral("Beverage %1").arg(i, 3, 10, QLatin1Char('0')));
            for (int band = 0; band < BeveragePrice::TimeBandCount; ++band) {
                for (int type = 0; type < BeveragePrice::PaymentTypeCount; ++type) {
                    const int value = generatedPrice(i, band, type);
                    beverage.setOrAddPrice(type, 0, 0, band, type == 3 ? -1 : value, type == 3 ? value : -1);
                }
            }
            if (!m_loader.saveBeverage(&beverage, 1) || !m_loader.saveProductPrice(&beverage))
                return false;
        }
        return true;
    }

    void translate(const QString& original, TypedString::StringType type)
    {
        TranslationsManager& manager = *m_group.translationsManager();
        for (const QLocale::Language language : m_shape.languages)
            manager.addTranslation(
                original, type, language, original + QLatin1Char(' ') + QLocale::languageToString(language));
    }

    void seedTranslations()
    {
        for (int i = 0; i < m_shape.recipes; ++i)
            translate(generatedRecipeName(i), TypedString::RecipeName);
        for (int i = 0; i < m_shape.categories; ++i)
            translate(generatedCategoryTitle(i), TypedString::CategoryTitle);
        for (int i = 0; i < m_shape.canisters; ++i)
            translate(generatedCanisterName(i), TypedString::CanisterName);
    }

    ConfigurationGroup& m_group;
    const GeneratedCatalogue& m_shape;
    ConfigurationLoader m_loader;
};

} // namespace

bool seedGeneratedCatalogue(CoreEnvironment& core, const GeneratedCatalogue& shape)
{
    return Generator(*core.configurationGroup(), shape).seed();
}
