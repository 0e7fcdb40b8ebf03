#include "bridge/products/recipes.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "core/selection/userselectionmanager.h"
#include "support/catalogue.h"
#include "support/machinetest.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <QSignalSpy>
#include <QSqlQuery>
#include <vector>

namespace {

using Lea = lea::products::Recipes;
using lea::products::Canisters;

template <class Id> std::vector<unsigned> values(const std::vector<Id>& ids)
{
    std::vector<unsigned> result;
    for (const Id& id : ids)
        result.push_back(id.value());
    return result;
}

class RecipesTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        ids = seedTestCatalogue(machine().core());
        ASSERT_NE(loadConfiguration(), nullptr);
        recipes = std::make_unique<bridge::products::Recipes>(nullptr);
        clearLog();
    }

    void TearDown() override
    {
        recipes.reset();
        MachineTest::TearDown();
    }

    /// Proves a write: the configuration is replaced by one read afresh from the database file.
    void reloadFromDatabase() { ASSERT_NE(loadConfiguration(), nullptr); }

    void execute(const char* statement)
    {
        QSqlQuery query(machine().core().configurationGroup()->database()->database());
        ASSERT_TRUE(query.exec(QString::fromLatin1(statement))) << statement;
    }

    /// The entries of `text` written by the Products module at level 3.
    static int productFailures(const char* text)
    {
        int count = 0;
        for (const LogEntry& entry : logEntriesContaining(QString::fromLatin1(text)))
            count += entry.level == LogLevel::Warning && entry.modules.contains(QStringLiteral("Product"));
        return count;
    }

    static lea::RecipeStepDbId stepId(int id) { return lea::RecipeStepDbId(unsigned(id)); }
    static lea::RecipeStepIngredientDbId ingredientId(int id)
    {
        return lea::RecipeStepIngredientDbId(unsigned(id));
    }
    static lea::RecipeDbId recipeId(int id) { return lea::RecipeDbId(unsigned(id)); }

    Lea::Step storedStep(int id) const
    {
        const auto step = recipes->step(stepId(id));
        return step ? *step : Lea::Step {};
    }

    static Lea::Ingredient instantIngredient(Canisters::LogicalIngredient logical, int dose, int powderSpeed)
    {
        Lea::Ingredient ingredient;
        ingredient.type = Lea::IngredientInstant;
        ingredient.logicalIngredient = logical;
        ingredient.dose = dose;
        ingredient.powder = Lea::Ingredient::Powder { powderSpeed, 0, nonstd::nullopt };
        return ingredient;
    }

    TestCatalogue ids;
    std::unique_ptr<bridge::products::Recipes> recipes;
};

TEST_F(RecipesTest, ReadsStoredRecipesWithTranslationsInOfferedLanguages)
{
    const auto espresso = recipes->recipe(recipeId(ids.espresso));
    ASSERT_TRUE(espresso);
    EXPECT_EQ(espresso->name, QStringLiteral("Espresso"));
    ASSERT_EQ(espresso->translations.size(), 2u); // Italian is not offered
    EXPECT_EQ(espresso->translations[0].language, QLocale::English);
    EXPECT_EQ(espresso->translations[1].language, QLocale::German);
    EXPECT_EQ(
        values(espresso->steps), (std::vector<unsigned>(ids.espressoSteps.begin(), ids.espressoSteps.end())));
    EXPECT_EQ(
        values(espresso->customizations), (std::vector<unsigned> { unsigned(ids.strengthCustomization) }));
    EXPECT_EQ(espresso->dripTime_cs, 150);
    EXPECT_TRUE(espresso->valid);
    EXPECT_FALSE(recipes->recipe(recipeId(9999)));
    EXPECT_EQ(recipes->recipes().size(), 3u);

    const Lea::Step extraction = storedStep(ids.espressoSteps[0]);
    EXPECT_EQ(extraction.type, Lea::Espresso);
    EXPECT_EQ(extraction.stepDose, 30);
    EXPECT_EQ(extraction.waterDose, 60);
    EXPECT_EQ(extraction.waterType, nonstd::optional<Lea::WaterType>(Lea::EspressoBoilerWater));
    EXPECT_EQ(extraction.preInfusionTime, nonstd::optional<int64_t>(1500));
}

struct SpeedCase
{
    int32_t written;
    int storedInCore;
    int32_t readBack;
};

void PrintTo(const SpeedCase& c, std::ostream* os)
{
    *os << "written " << c.written << ", stored " << c.storedInCore << ", read " << c.readBack;
}

class StepWaterSpeed : public RecipesTest, public ::testing::WithParamInterface<SpeedCase>
{
};

TEST_P(StepWaterSpeed, IsStoredInTensOfCoreUnitsAndAStoppedPumpReadsZero)
{
    const int id = ids.hotChocolateSteps[1];
    Lea::Step step = storedStep(id);
    step.waterSpeed = GetParam().written;
    recipes->updateStep(stepId(id), step);

    reloadFromDatabase();
    EXPECT_EQ(recipes->coreStepFromId(id)->water().speed(), GetParam().storedInCore);
    EXPECT_EQ(storedStep(id).waterSpeed, GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(Speeds, StepWaterSpeed,
    ::testing::Values(
        SpeedCase { 12, 120, 12 }, SpeedCase { 1, 10, 1 }, SpeedCase { 0, 0, 0 }, SpeedCase { -3, -30, 0 }));

TEST_F(RecipesTest, MixerOnANonInstantStepIsLoggedAndTheOtherFieldsAreStored)
{
    const int waterStep = ids.hotChocolateSteps[1];
    Lea::Step step = storedStep(waterStep);
    step.description = QStringLiteral("Rinse");
    step.waterDose = 75;
    step.mixer = Lea::Step::Mixer { Lea::Step::Mixer::Low, false };
    recipes->updateStep(stepId(waterStep), step);

    const QList<LogEntry> entries
        = logEntriesContaining(QStringLiteral(" mixer settings can only be set on instant steps."));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Warning);
    EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Recipe") });
    EXPECT_TRUE(entries[0].items[0].contains(QStringLiteral("StepConverter::updateCoreStepFromLeaStep")));

    const int mixStep = ids.hotChocolateSteps[0];
    Lea::Step instant = storedStep(mixStep);
    instant.mixer = Lea::Step::Mixer { Lea::Step::Mixer::Low, false };
    recipes->updateStep(stepId(mixStep), instant);

    reloadFromDatabase();
    EXPECT_EQ(storedStep(waterStep).description, QStringLiteral("Rinse"));
    EXPECT_EQ(storedStep(waterStep).waterDose, 75);
    EXPECT_FALSE(storedStep(waterStep).mixer);
    ASSERT_TRUE(storedStep(mixStep).mixer);
    EXPECT_EQ(storedStep(mixStep).mixer->speed, Lea::Step::Mixer::Low);
    EXPECT_FALSE(storedStep(mixStep).mixer->absoluteMixTime);
}

TEST_F(RecipesTest, StepChainKeepsEveryOrderAcrossReloads)
{
    std::vector<lea::RecipeStepDbId> created;
    for (const Lea::StepType type : { Lea::WaterOnly, Lea::Instant, Lea::DrySugar }) {
        Lea::Step step;
        step.type = type;
        const auto id = recipes->createStep(step);
        ASSERT_TRUE(id);
        created.push_back(*id);
    }
    Lea::Recipe record = recipes->defaultRecipe();
    record.name = QStringLiteral("Layered");
    record.steps = created;
    const auto id = recipes->createRecipe(record);
    ASSERT_TRUE(id);
    const auto stepsAfterReload = [&] {
        reloadFromDatabase();
        const auto stored = recipes->recipe(*id);
        return stored ? values(stored->steps) : std::vector<unsigned> {};
    };
    const unsigned a = created[0].value(), b = created[1].value(), c = created[2].value();
    EXPECT_EQ(stepsAfterReload(), (std::vector<unsigned> { a, b, c }));

    record.steps = { created[2], created[0], created[1] };
    recipes->reorderRecipeSteps(*id, record);
    EXPECT_EQ(stepsAfterReload(), (std::vector<unsigned> { c, a, b }));

    const quint32 counter = databaseChangeCounter();
    record.steps = { created[2], created[0] };
    recipes->reorderRecipeSteps(*id, record);
    record.steps = { created[2], created[0], created[1] };
    recipes->reorderRecipeSteps(*id, record); // the order it already has
    EXPECT_EQ(productFailures("Steps list differ"), 1);
    EXPECT_EQ(databaseChangeCounter(), counter);
    EXPECT_EQ(stepsAfterReload(), (std::vector<unsigned> { c, a, b }));

    recipes->deleteStep(created[0], *id);
    EXPECT_EQ(stepsAfterReload(), (std::vector<unsigned> { c, b }));
    EXPECT_FALSE(recipes->step(created[0]));
}

class StepKindWithoutCoreStep : public RecipesTest, public ::testing::WithParamInterface<Lea::StepType>
{
};

TEST_P(StepKindWithoutCoreStep, CannotBeCreatedOnItsOwn)
{
    const quint32 counter = databaseChangeCounter();
    Lea::Step step;
    step.type = GetParam();
    EXPECT_FALSE(recipes->createStep(step));
    EXPECT_EQ(productFailures("Failed creating step"), 1);
    EXPECT_EQ(productFailures("Invalid step type"), 1);
    EXPECT_EQ(databaseChangeCounter(), counter);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, StepKindWithoutCoreStep, ::testing::Values(Lea::LongEspresso, Lea::ShortEspresso, Lea::FreshMilk));

struct PowderCase
{
    int32_t requested;
    int32_t stored;
};

void PrintTo(const PowderCase& c, std::ostream* os)
{
    *os << "requested " << c.requested << ", stored " << c.stored;
}

class PowderSpeed : public RecipesTest, public ::testing::WithParamInterface<PowderCase>
{
};

TEST_P(PowderSpeed, IsKeptWithinTheCanisterCalibration)
{
    // Milk powder calibrates from 10 to 90.
    const int mixStep = ids.hotChocolateSteps[0];
    const auto created = recipes->createIngredient(
        instantIngredient(Canisters::Ingredient20, 7, GetParam().requested), stepId(mixStep));
    ASSERT_TRUE(created);
    const int seeded = ids.stepIngredients[mixStep][1];
    recipes->updateIngredient(ingredientId(seeded), stepId(mixStep),
        instantIngredient(Canisters::Ingredient20, 10, GetParam().requested));

    reloadFromDatabase();
    for (const auto id : { *created, ingredientId(seeded) }) {
        const auto stored = recipes->ingredient(id);
        ASSERT_TRUE(stored && stored->powder);
        EXPECT_EQ(stored->powder->speed, GetParam().stored);
        EXPECT_EQ(stored->powder->maxSpeed, 90);
        EXPECT_EQ(stored->canisterName, QStringLiteral("Milk powder"));
    }
}

INSTANTIATE_TEST_SUITE_P(Speeds, PowderSpeed,
    ::testing::Values(PowderCase { 95, 90 }, PowderCase { 90, 90 }, PowderCase { 50, 50 },
        PowderCase { 10, 10 }, PowderCase { 5, 10 }, PowderCase { 0, 10 }));

TEST_F(RecipesTest, IngredientTypeCannotChange)
{
    const int mixStep = ids.hotChocolateSteps[0];
    const int chocolate = ids.stepIngredients[mixStep][0];
    Lea::Ingredient record = *recipes->ingredient(ingredientId(chocolate));
    record.type = Lea::IngredientEspresso;
    record.dose = 99;
    const quint32 counter = databaseChangeCounter();
    recipes->updateIngredient(ingredientId(chocolate), stepId(mixStep), record);
    EXPECT_EQ(productFailures("Cannot change ingredient type"), 1);
    EXPECT_EQ(databaseChangeCounter(), counter);

    reloadFromDatabase();
    EXPECT_EQ(recipes->ingredient(ingredientId(chocolate))->dose, 25);
    EXPECT_EQ(recipes->ingredient(ingredientId(chocolate))->type, Lea::IngredientInstant);
}

TEST_F(RecipesTest, BeverageIngredientsSumDosesPerIngredientInOrderOfFirstUse)
{
    const auto ingredients = recipes->beverageIngredients(lea::ProductDbId(unsigned(ids.cappuccinoBeverage)));
    ASSERT_EQ(ingredients.size(), 3u);
    EXPECT_EQ(ingredients[0].logicalIngredient, Canisters::Ingredient7); // coffee beans
    EXPECT_EQ(ingredients[0].dose, 9);
    EXPECT_EQ(ingredients[0].maxDose, 25); // of the espresso step
    EXPECT_EQ(ingredients[1].logicalIngredient, Canisters::Ingredient20); // milk powder
    EXPECT_EQ(ingredients[1].dose, 16);
    EXPECT_EQ(ingredients[1].maxDose, 60);
    EXPECT_EQ(ingredients[2].logicalIngredient, Canisters::Ingredient14); // chocolate
    EXPECT_EQ(ingredients[2].dose, 3);
    EXPECT_TRUE(recipes->beverageIngredients(lea::ProductDbId(9999u)).empty());
}

TEST_F(RecipesTest, SelectedBeverageShowsTheCustomersRecipe)
{
    Beverage* cappuccino = gCoreEnv->configuration()->beverage(ids.cappuccinoBeverage);
    UserSelectionManager& selection = *gCoreEnv->userSelectionManager();
    selection.setSelectedProduct(cappuccino);
    // The customer asks for a stronger coffee.
    ASSERT_NE(selection.selectionRecipe(), nullptr);
    selection.selectionRecipe()->preparationSteps()[0]->ingredients()[0]->setDose(14);

    EXPECT_EQ(recipes->beverageIngredients(lea::ProductDbId(unsigned(ids.cappuccinoBeverage)))[0].dose, 14);
    const auto espresso = recipes->beverageIngredients(lea::ProductDbId(unsigned(ids.espressoBeverage)));
    ASSERT_EQ(espresso.size(), 2u);
    EXPECT_EQ(espresso[0].dose, 8);
}

struct RefusedWrite
{
    const char* trigger;
    const char* logged;
    std::function<bool(bridge::products::Recipes&, const TestCatalogue&)>
        write; // true when it reported success
};

class RefusedByTheDatabase : public RecipesTest, public ::testing::WithParamInterface<RefusedWrite>
{
};

TEST_P(RefusedByTheDatabase, IsLoggedAndChangesNothing)
{
    execute(GetParam().trigger);
    const quint32 counter = databaseChangeCounter();
    EXPECT_FALSE(GetParam().write(*recipes, ids));
    EXPECT_EQ(productFailures(GetParam().logged), 1);
    EXPECT_EQ(databaseChangeCounter(), counter);
    reloadFromDatabase();
    EXPECT_EQ(recipes->recipes().size(), 3u);
    EXPECT_EQ(storedStep(ids.hotChocolateSteps[0]).ingredients.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Triggers, RefusedByTheDatabase,
    ::testing::Values(
        RefusedWrite {
            "CREATE TRIGGER refuse BEFORE INSERT ON Recipes BEGIN SELECT RAISE(ABORT, 'refused'); END",
            "Failed saving recipe",
            [](bridge::products::Recipes& recipes, const TestCatalogue&) {
                Lea::Recipe recipe;
                recipe.name = QStringLiteral("Refused");
                return bool(recipes.createRecipe(recipe));
            } },
        RefusedWrite { "CREATE TRIGGER refuse BEFORE INSERT ON PreparationSteps BEGIN SELECT RAISE(ABORT, "
                       "'refused'); END",
            "Failed creating step",
            [](bridge::products::Recipes& recipes, const TestCatalogue&) {
                Lea::Step step;
                step.type = Lea::Tea;
                return bool(recipes.createStep(step));
            } },
        RefusedWrite {
            "CREATE TRIGGER refuse BEFORE INSERT ON Ingredients BEGIN SELECT RAISE(ABORT, 'refused'); END",
            "Failed creating new ingredient",
            [](bridge::products::Recipes& recipes, const TestCatalogue& ids) {
                Lea::Ingredient ingredient;
                ingredient.type = Lea::IngredientInstant;
                ingredient.logicalIngredient = Canisters::Ingredient14;
                return bool(recipes.createIngredient(
                    ingredient, lea::RecipeStepDbId(unsigned(ids.hotChocolateSteps[0]))));
            } }));

TEST_F(RecipesTest, UnconvertibleRecordsThrowBeforeAnythingIsWritten)
{
    // The sanitizer build reports a core object left behind by a throw.
    const quint32 counter = databaseChangeCounter();
    Lea::Step step;
    step.type = Lea::Instant;
    step.mixer = Lea::Step::Mixer { static_cast<Lea::Step::Mixer::Speed>(7), false };
    EXPECT_THROW(recipes->createStep(step), std::invalid_argument);
    step.type = Lea::TeskMilk;
    EXPECT_THROW(recipes->createStep(step), std::invalid_argument);
    EXPECT_THROW(recipes->createIngredient(
                     instantIngredient(Canisters::Ingredient36, 5, 50), stepId(ids.hotChocolateSteps[0])),
        std::invalid_argument);

    const int extraction = ids.espressoSteps[0];
    Lea::Step espresso = storedStep(extraction);
    espresso.description = QStringLiteral("Changed");
    espresso.pressureCurrent = static_cast<Lea::Step::PressureCurrent>(3);
    EXPECT_THROW(recipes->updateStep(stepId(extraction), espresso), std::invalid_argument);
    EXPECT_EQ(storedStep(extraction).description, QStringLiteral("Extraction"));
    EXPECT_EQ(databaseChangeCounter(), counter);
}

TEST_F(RecipesTest, DeletedRecipeStaysDeletedAfterReload)
{
    QSignalSpy changed(recipes.get(), &Lea::changed);
    recipes->deleteRecipe(recipeId(ids.espresso));
    EXPECT_GE(changed.count(), 1);

    reloadFromDatabase();
    EXPECT_FALSE(recipes->recipe(recipeId(ids.espresso)));
    EXPECT_EQ(recipes->recipes().size(), 2u);
    for (const int step : ids.espressoSteps)
        EXPECT_FALSE(recipes->step(stepId(step)));
    const Beverage* beverage = gCoreEnv->configuration()->beverage(ids.espressoBeverage);
    ASSERT_NE(beverage, nullptr);
    EXPECT_FALSE(beverage->hasRecipe());
    EXPECT_TRUE(recipes->beverageIngredients(lea::ProductDbId(unsigned(ids.espressoBeverage))).empty());

    recipes->deleteRecipe(recipeId(ids.espresso));
    EXPECT_EQ(productFailures("Recipe does not exist"), 1);
}

TEST_F(RecipesTest, UpdatedRecipeAndIngredientsAreStored)
{
    Lea::Recipe record = *recipes->recipe(recipeId(ids.hotChocolate));
    record.hasStirrer = false;
    record.dripTime_cs = 90;
    record.extraText = QStringLiteral("seasonal");
    record.translations = { lea::Translation { QLocale::German, {}, QStringLiteral("Kakao"), {} } };
    record.cupType = Lea::Mug; // read only
    recipes->updateRecipe(recipeId(ids.hotChocolate), record);

    const int mixStep = ids.hotChocolateSteps[0];
    const int milk = ids.stepIngredients[mixStep][1];
    recipes->deleteIngredient(ingredientId(milk), stepId(mixStep));
    const auto sugar
        = recipes->createIngredient(instantIngredient(Canisters::Ingredient6, 4, 50), stepId(mixStep));
    ASSERT_TRUE(sugar);

    reloadFromDatabase();
    const auto stored = recipes->recipe(recipeId(ids.hotChocolate));
    EXPECT_FALSE(stored->hasStirrer);
    EXPECT_EQ(stored->dripTime_cs, 90);
    EXPECT_EQ(stored->extraText, nonstd::optional<QString>(QStringLiteral("seasonal")));
    ASSERT_EQ(stored->translations.size(), 1u);
    EXPECT_EQ(stored->translations[0].text, QStringLiteral("Kakao"));
    EXPECT_EQ(stored->cupType, Lea::LargeCup);
    EXPECT_EQ(values(storedStep(mixStep).ingredients),
        (std::vector<unsigned> { unsigned(ids.stepIngredients[mixStep][0]), sugar->value() }));
    EXPECT_FALSE(recipes->ingredient(ingredientId(milk)));
}

TEST_F(RecipesTest, ChangedFollowsTheLoadedConfiguration)
{
    QSignalSpy changed(recipes.get(), &Lea::changed);
    Lea::Recipe record;
    record.name = QStringLiteral("First");
    ASSERT_TRUE(recipes->createRecipe(record));
    EXPECT_EQ(changed.count(), 1);

    reloadFromDatabase();
    changed.clear();
    record.name = QStringLiteral("Second");
    ASSERT_TRUE(recipes->createRecipe(record));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(RecipesTest, WithoutConfigurationEveryOperationIsCanceled)
{
    unloadConfiguration();
    clearLog();
    EXPECT_FALSE(recipes->recipe(recipeId(ids.espresso)));
    EXPECT_TRUE(recipes->recipes().empty());
    EXPECT_FALSE(recipes->createRecipe(Lea::Recipe {}));
    EXPECT_FALSE(recipes->step(stepId(ids.espressoSteps[0])));
    EXPECT_FALSE(recipes->canAdjustWaterDose(stepId(ids.espressoSteps[0])));
    EXPECT_TRUE(recipes->beverageIngredients(lea::ProductDbId(unsigned(ids.espressoBeverage))).empty());
    recipes->deleteRecipe(recipeId(ids.espresso));

    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 7);
    for (const LogEntry& entry : entries) {
        EXPECT_TRUE(entry.items[0].contains(QStringLiteral("bridge::products::Recipes::")))
            << entry.text.toStdString();
        EXPECT_EQ(entry.items[1], QStringLiteral("Configuration is not loaded. Operation canceled."));
        EXPECT_EQ(entry.modules, QStringList { QStringLiteral("Global") });
    }
    reloadFromDatabase();
    EXPECT_TRUE(recipes->recipe(recipeId(ids.espresso)));
}

} // namespace
