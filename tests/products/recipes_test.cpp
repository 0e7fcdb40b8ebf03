#include "bridge/products/recipes.h"
#include "support/cataloguetest.h"
#include "core/catalogue/beverage.h"
#include "core/selection/userselectionmanager.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <QSignalSpy>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Lea = lea::products::Recipes;
using lea::products::Canisters;
using Bridge = bridge::products::Recipes;
using Ids = std::vector<unsigned>;

template <class Id> Ids values(const std::vector<Id>& ids)
{
    Ids result;
    for (const Id& id : ids)
        result.push_back(id.value());
    return result;
}

const auto recipeId = [](int id) { return lea::RecipeDbId(unsigned(id)); };
const auto stepId = [](int id) { return lea::RecipeStepDbId(unsigned(id)); };
const auto ingredientId = [](int id) { return lea::RecipeStepIngredientDbId(unsigned(id)); };
const auto beverageId = [](int id) { return lea::ProductDbId(unsigned(id)); };

Lea::Ingredient instantIngredient(Canisters::LogicalIngredient logical, int dose, int powderSpeed)
{
    Lea::Ingredient ingredient;
    ingredient.type = Lea::IngredientInstant;
    ingredient.logicalIngredient = logical;
    ingredient.dose = dose;
    ingredient.powder = Lea::Ingredient::Powder { powderSpeed, 0, nonstd::nullopt };
    return ingredient;
}

// Every write is proved by reload(), which reads the configuration afresh from the database file.
class RecipesTest : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        recipes = std::make_unique<Bridge>(nullptr);
    }

    void TearDown() override
    {
        recipes.reset();
        CatalogueTest::TearDown();
    }

    /// The warnings containing `text` that the Products module wrote.
    static int productFailures(const char* text)
    {
        int count = 0;
        for (const LogEntry& entry : logEntriesContaining(QString::fromLatin1(text)))
            count += entry.level == LogLevel::Warning && entry.modules.contains(QStringLiteral("Product"));
        return count;
    }

    Lea::Step storedStep(int id) const { return recipes->step(stepId(id)).value_or(Lea::Step {}); }

    std::unique_ptr<Bridge> recipes;
};

TEST_F(RecipesTest, ReadsStoredRecipesWithTranslationsInOfferedLanguages)
{
    const auto espresso = recipes->recipe(recipeId(ids.espresso));
    ASSERT_TRUE(espresso);
    ASSERT_EQ(espresso->translations.size(), 2u); // Italian is not offered
    EXPECT_EQ(espresso->translations[1].language, QLocale::German);
    EXPECT_EQ(values(espresso->steps), Ids(ids.espressoSteps.begin(), ids.espressoSteps.end()));
    EXPECT_EQ(values(espresso->customizations), Ids { unsigned(ids.strengthCustomization) });
    EXPECT_EQ(espresso->dripTime_cs, 150);
    EXPECT_FALSE(recipes->recipe(recipeId(9999)));
    EXPECT_EQ(recipes->recipes().size(), 3u);

    const Lea::Step extraction = storedStep(ids.espressoSteps[0]);
    EXPECT_EQ(extraction.waterType, nonstd::optional<Lea::WaterType>(Lea::EspressoBoilerWater));
    EXPECT_EQ(extraction.preInfusionTime, nonstd::optional<int64_t>(1500));
}

// (written, stored in the core, read back)
class StepWaterSpeed : public RecipesTest, public ::testing::WithParamInterface<std::tuple<int, int, int>>
{
};

TEST_P(StepWaterSpeed, IsStoredInTensOfCoreUnitsAndAStoppedPumpReadsZero)
{
    const auto [written, inCore, readBack] = GetParam();
    const int id = ids.hotChocolateSteps[1];
    Lea::Step step = storedStep(id);
    step.waterSpeed = written;
    recipes->updateStep(stepId(id), step);

    reload();
    EXPECT_EQ(recipes->coreStepFromId(id)->water().speed(), inCore);
    EXPECT_EQ(storedStep(id).waterSpeed, readBack);
}

INSTANTIATE_TEST_SUITE_P(Speeds, StepWaterSpeed,
    ::testing::Values(std::make_tuple(12, 120, 12), std::make_tuple(0, 0, 0), std::make_tuple(-3, -30, 0)));

TEST_F(RecipesTest, MixerOnANonInstantStepIsLoggedAndTheOtherFieldsAreStored)
{
    const int waterStep = ids.hotChocolateSteps[1], mixStep = ids.hotChocolateSteps[0];
    for (const int id : { waterStep, mixStep }) {
        Lea::Step step = storedStep(id);
        step.description = QStringLiteral("Rinse");
        step.waterDose = 75;
        step.mixer = Lea::Step::Mixer { Lea::Step::Mixer::Low, false };
        recipes->updateStep(stepId(id), step);
    }
    const QList<LogEntry> entries
        = logEntriesContaining(QStringLiteral(" mixer settings can only be set on instant steps."));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].level, LogLevel::Warning);
    EXPECT_EQ(entries[0].modules, QStringList { QStringLiteral("Recipe") });
    EXPECT_TRUE(entries[0].items[0].contains(QStringLiteral("StepConverter::updateCoreStepFromLeaStep")));

    reload();
    for (const int id : { waterStep, mixStep }) {
        EXPECT_EQ(storedStep(id).description, QStringLiteral("Rinse"));
        EXPECT_EQ(storedStep(id).waterDose, 75);
    }
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
        reload();
        const auto stored = recipes->recipe(*id);
        return stored ? values(stored->steps) : Ids {};
    };
    const unsigned a = created[0].value(), b = created[1].value(), c = created[2].value();
    EXPECT_EQ(stepsAfterReload(), (Ids { a, b, c }));

    record.steps = { created[2], created[0], created[1] };
    recipes->reorderRecipeSteps(*id, record);
    EXPECT_EQ(stepsAfterReload(), (Ids { c, a, b }));

    const quint32 counter = databaseChangeCounter();
    record.steps = { created[2], created[0] };
    recipes->reorderRecipeSteps(*id, record);
    record.steps = { created[2], created[0], created[1] };
    recipes->reorderRecipeSteps(*id, record); // the order it already has
    EXPECT_EQ(productFailures("Steps list differ"), 1);
    EXPECT_EQ(databaseChangeCounter(), counter);
    EXPECT_EQ(stepsAfterReload(), (Ids { c, a, b }));

    recipes->deleteStep(created[0], *id);
    EXPECT_EQ(stepsAfterReload(), (Ids { c, b }));
    EXPECT_FALSE(recipes->step(created[0]));
}

// (requested, stored)
class PowderSpeed : public RecipesTest, public ::testing::WithParamInterface<std::pair<int, int>>
{
};

TEST_P(PowderSpeed, IsKeptWithinTheCanisterCalibration)
{
    // Milk powder calibrates from 10 to 90.
    const auto [requested, expected] = GetParam();
    const int mixStep = ids.hotChocolateSteps[0];
    const auto created = recipes->createIngredient(
        instantIngredient(Canisters::Ingredient20, 7, requested), stepId(mixStep));
    ASSERT_TRUE(created);
    const int seeded = ids.stepIngredients[mixStep][1];
    recipes->updateIngredient(
        ingredientId(seeded), stepId(mixStep), instantIngredient(Canisters::Ingredient20, 10, requested));

    reload();
    for (const auto id : { *created, ingredientId(seeded) }) {
        const auto stored = recipes->ingredient(id);
        ASSERT_TRUE(stored && stored->powder);
        EXPECT_EQ(stored->powder->speed, expected);
        EXPECT_EQ(stored->powder->maxSpeed, 90);
        EXPECT_EQ(stored->canisterName, QStringLiteral("Milk powder"));
    }
}

INSTANTIATE_TEST_SUITE_P(Speeds, PowderSpeed,
    ::testing::Values(
        std::make_pair(95, 90), std::make_pair(50, 50), std::make_pair(5, 10), std::make_pair(0, 10)));

TEST_F(RecipesTest, BeverageIngredientsSumDosesPerIngredientInOrderOfFirstUse)
{
    const auto ingredients = recipes->beverageIngredients(beverageId(ids.cappuccinoBeverage));
    ASSERT_EQ(ingredients.size(), 3u);
    EXPECT_EQ(ingredients[0].logicalIngredient, Canisters::Ingredient7); // coffee beans
    EXPECT_EQ(ingredients[0].dose, 9);
    EXPECT_EQ(ingredients[0].maxDose, 25); // of the espresso step
    EXPECT_EQ(ingredients[1].logicalIngredient, Canisters::Ingredient20); // milk powder
    EXPECT_EQ(ingredients[1].dose, 16);
    EXPECT_EQ(ingredients[1].maxDose, 60);
    EXPECT_EQ(ingredients[2].logicalIngredient, Canisters::Ingredient14); // chocolate
    EXPECT_EQ(ingredients[2].dose, 3);
    EXPECT_TRUE(recipes->beverageIngredients(beverageId(9999)).empty());

    // The selected beverage shows the customer's recipe: here a stronger coffee.
    UserSelectionManager& selection = *gCoreEnv->userSelectionManager();
    selection.setSelectedProduct(configuration().beverage(ids.cappuccinoBeverage));
    ASSERT_NE(selection.selectionRecipe(), nullptr);
    selection.selectionRecipe()->preparationSteps()[0]->ingredients()[0]->setDose(14);
    EXPECT_EQ(recipes->beverageIngredients(beverageId(ids.cappuccinoBeverage)).at(0).dose, 14);
    EXPECT_EQ(recipes->beverageIngredients(beverageId(ids.espressoBeverage)).at(0).dose, 8);
}

template <Lea::StepType type> bool createStepOf(Bridge& recipes, const TestCatalogue&)
{
    Lea::Step step;
    step.type = type;
    return bool(recipes.createStep(step));
}

// A write refused by the database (a trigger aborting inserts into `refusingTable`) or by the bridge.
struct RefusedWrite
{
    const char* refusingTable;
    bool (*write)(Bridge&, const TestCatalogue&); // true when it reported success
    const char* logged;
    const char* alsoLogged = nullptr;
};

void PrintTo(const RefusedWrite& write, std::ostream* os)
{
    *os << write.logged << (write.refusingTable ? " by a trigger" : "");
}

class RefusedWrites : public RecipesTest, public ::testing::WithParamInterface<RefusedWrite>
{
};

TEST_P(RefusedWrites, AreLoggedAndChangeNothing)
{
    if (GetParam().refusingTable)
        execute(
            QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'no'); END")
                .arg(QLatin1String(GetParam().refusingTable)));
    const quint32 counter = databaseChangeCounter();
    EXPECT_FALSE(GetParam().write(*recipes, ids));
    for (const char* text : { GetParam().logged, GetParam().alsoLogged })
        EXPECT_TRUE(!text || productFailures(text) == 1) << text;
    EXPECT_EQ(databaseChangeCounter(), counter);
    for (const bool reloaded : { false, true }) {
        if (reloaded)
            reload();
        EXPECT_EQ(recipes->recipes().size(), 3u);
        const int mixStep = ids.hotChocolateSteps[0];
        EXPECT_EQ(storedStep(mixStep).ingredients.size(), 2u);
        const auto chocolate = recipes->ingredient(ingredientId(ids.stepIngredients[mixStep][0]));
        EXPECT_TRUE(chocolate && chocolate->dose == 25 && chocolate->type == Lea::IngredientInstant);
    }
}

INSTANTIATE_TEST_SUITE_P(Writes, RefusedWrites,
    ::testing::Values(RefusedWrite { "Recipes",
                          [](Bridge& recipes, const TestCatalogue&) {
                              Lea::Recipe recipe;
                              recipe.name = QStringLiteral("Refused");
                              return bool(recipes.createRecipe(recipe));
                          },
                          "Failed saving recipe" },
        RefusedWrite { "PreparationSteps", createStepOf<Lea::Tea>, "Failed creating step" },
        RefusedWrite { "Ingredients",
            [](Bridge& recipes, const TestCatalogue& ids) {
                return bool(recipes.createIngredient(
                    instantIngredient(Canisters::Ingredient14, 5, 50), stepId(ids.hotChocolateSteps[0])));
            },
            "Failed creating new ingredient" },
        RefusedWrite { nullptr,
            [](Bridge& recipes, const TestCatalogue& ids) {
                const int mixStep = ids.hotChocolateSteps[0];
                const auto chocolate = ingredientId(ids.stepIngredients[mixStep][0]);
                Lea::Ingredient record = recipes.ingredient(chocolate).value_or(Lea::Ingredient {});
                record.type = Lea::IngredientEspresso;
                record.dose = 99;
                recipes.updateIngredient(chocolate, stepId(mixStep), record);
                return false;
            },
            "Cannot change ingredient type" },
        // Interface types 2, 3 and 9 have no step of their own: only a flat recipe builds them.
        RefusedWrite {
            nullptr, createStepOf<Lea::LongEspresso>, "Failed creating step", "Invalid step type" },
        RefusedWrite {
            nullptr, createStepOf<Lea::ShortEspresso>, "Failed creating step", "Invalid step type" },
        RefusedWrite { nullptr, createStepOf<Lea::FreshMilk>, "Failed creating step", "Invalid step type" }));

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

    reload();
    EXPECT_FALSE(recipes->recipe(recipeId(ids.espresso)));
    EXPECT_EQ(recipes->recipes().size(), 2u);
    for (const int step : ids.espressoSteps)
        EXPECT_FALSE(recipes->step(stepId(step)));
    EXPECT_TRUE(recipes->beverageIngredients(beverageId(ids.espressoBeverage)).empty());
    recipes->deleteRecipe(recipeId(ids.espresso));
    EXPECT_EQ(productFailures("Recipe does not exist"), 1);

    // changed() follows the configuration loaded since.
    changed.clear();
    recipes->deleteRecipe(recipeId(ids.hotChocolate));
    EXPECT_GE(changed.count(), 1);
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

    const int mixStep = ids.hotChocolateSteps[0], milk = ids.stepIngredients[mixStep][1];
    recipes->deleteIngredient(ingredientId(milk), stepId(mixStep));
    const auto sugar
        = recipes->createIngredient(instantIngredient(Canisters::Ingredient6, 4, 50), stepId(mixStep));
    ASSERT_TRUE(sugar);

    reload();
    const auto stored = recipes->recipe(recipeId(ids.hotChocolate));
    EXPECT_FALSE(stored->hasStirrer);
    EXPECT_EQ(stored->dripTime_cs, 90);
    EXPECT_EQ(stored->extraText, nonstd::optional<QString>(QStringLiteral("seasonal")));
    ASSERT_EQ(stored->translations.size(), 1u);
    EXPECT_EQ(stored->translations[0].text, QStringLiteral("Kakao"));
    EXPECT_EQ(stored->cupType, Lea::LargeCup);
    EXPECT_EQ(values(storedStep(mixStep).ingredients),
        (Ids { unsigned(ids.stepIngredients[mixStep][0]), sugar->value() }));
    EXPECT_FALSE(recipes->ingredient(ingredientId(milk)));
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
    EXPECT_TRUE(recipes->beverageIngredients(beverageId(ids.espressoBeverage)).empty());
    recipes->deleteRecipe(recipeId(ids.espresso));

    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 7);
    for (const LogEntry& entry : entries) {
        EXPECT_TRUE(entry.items[0].contains(QStringLiteral("bridge::products::Recipes::")))
            << entry.text.toStdString();
        EXPECT_EQ(entry.items[1], QStringLiteral("Configuration is not loaded. Operation canceled."));
        EXPECT_EQ(entry.modules, QStringList { QStringLiteral("Global") });
    }
    reload();
    EXPECT_TRUE(recipes->recipe(recipeId(ids.espresso)));
}

} // namespace
