#include "bridge/products/recipes.h"
#include "core/catalogue/beverage.h"
#include "core/selection/userselectionmanager.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"

#include <algorithm>
#include <functional>
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

    /// The entries containing `text` that the Products module wrote.
    static int productFailures(const char* text)
    {
        int count = 0;
        for (const LogEntry& entry : logEntriesContaining(QString::fromLatin1(text)))
            count += entry.level >= LogLevel::Warning && entry.modules.contains(QStringLiteral("Product"));
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
    // An unknown step is left out; the steps after it are still linked.
    record.steps = { created[0], stepId(99999), created[1], created[2] };
    const auto id = recipes->createRecipe(record);
    ASSERT_TRUE(id);
    EXPECT_EQ(productFailures("Unknown step left out of the recipe"), 1);
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

// A write refused by the database (a trigger on `event`) or by the bridge (no trigger).
struct RefusedWrite
{
    const char* name;
    const char* event;
    const char* logged;
    std::function<void(Bridge&, const TestCatalogue&)> write;
    int times = 1;
};

void PrintTo(const RefusedWrite& write, std::ostream* os)
{
    *os << write.name;
}

class RefusedWrites : public RecipesTest, public ::testing::WithParamInterface<RefusedWrite>
{
protected:
    /// Every recipe, step and ingredient as the accessor reads it.
    QStringList view() const
    {
        QStringList lines;
        for (const auto& [id, recipe] : recipes->recipes()) {
            lines << QStringLiteral("recipe %1 %2 %3 %4")
                         .arg(id.value())
                         .arg(recipe.name)
                         .arg(recipe.dripTime_cs)
                         .arg(recipe.customizations.size());
            for (const lea::RecipeStepDbId step : recipe.steps) {
                const Lea::Step record = storedStep(int(step.value()));
                lines << QStringLiteral(" step %1 %2 %3 %4")
                             .arg(step.value())
                             .arg(record.description)
                             .arg(record.waterDose)
                             .arg(record.waterSpeed);
                for (const lea::RecipeStepIngredientDbId ingredient : record.ingredients) {
                    const Lea::Ingredient i = recipes->ingredient(ingredient).value_or(Lea::Ingredient {});
                    lines << QStringLiteral("  ingredient %1 %2 %3")
                                 .arg(ingredient.value())
                                 .arg(i.type)
                                 .arg(i.dose);
                }
            }
        }
        return lines;
    }
};

TEST_P(RefusedWrites, AreLoggedAndLeaveMemoryAndDatabaseAsTheyWere)
{
    if (GetParam().event)
        execute(QStringLiteral("CREATE TRIGGER refuse BEFORE %1 BEGIN SELECT RAISE(ABORT, 'no'); END")
                    .arg(QLatin1String(GetParam().event)));
    const QStringList before = view();
    const quint32 counter = databaseChangeCounter();
    GetParam().write(*recipes, ids);
    EXPECT_EQ(productFailures(GetParam().logged), GetParam().times) << GetParam().logged;
    EXPECT_EQ(databaseChangeCounter(), counter);
    EXPECT_EQ(view(), before);
    reload();
    EXPECT_EQ(view(), before);
}

Lea::Recipe named(const char* name)
{
    Lea::Recipe recipe;
    recipe.name = QString::fromUtf8(name);
    return recipe;
}

Lea::Step stepOf(Lea::StepType type)
{
    Lea::Step step;
    step.type = type;
    return step;
}

INSTANTIATE_TEST_SUITE_P(Writes, RefusedWrites,
    ::testing::Values(
        RefusedWrite { "createRecipe", "INSERT ON Recipes", "Failed saving recipe",
            [](Bridge& r, const TestCatalogue&) { EXPECT_FALSE(r.createRecipe(named("Refused"))); } },
        RefusedWrite { "createRecipeLinkingSteps", "INSERT ON Recipe_Steps", "Failed saving recipe",
            [](Bridge& r, const TestCatalogue& ids) {
                Lea::Recipe record = named("Refused");
                record.steps = { stepId(ids.hotChocolateSteps[1]) };
                EXPECT_FALSE(r.createRecipe(record));
            } },
        RefusedWrite { "createStep", "INSERT ON PreparationSteps", "Failed creating step",
            [](Bridge& r, const TestCatalogue&) { EXPECT_FALSE(r.createStep(stepOf(Lea::Tea))); } },
        // Interface types 2, 3 and 9 have no step of their own: only a flat recipe builds them.
        RefusedWrite { "createStepOfAFlatKind", nullptr, "Invalid step type",
            [](Bridge& r, const TestCatalogue&) {
                for (const Lea::StepType type : { Lea::LongEspresso, Lea::ShortEspresso, Lea::FreshMilk })
                    EXPECT_FALSE(r.createStep(stepOf(type)));
            },
            3 },
        RefusedWrite { "createIngredient", "INSERT ON Ingredients", "Failed creating new ingredient",
            [](Bridge& r, const TestCatalogue& ids) {
                EXPECT_FALSE(r.createIngredient(
                    instantIngredient(Canisters::Ingredient14, 5, 50), stepId(ids.hotChocolateSteps[0])));
            } },
        RefusedWrite { "updateRecipe", "UPDATE ON Recipes", "Failed saving recipe",
            [](Bridge& r, const TestCatalogue& ids) {
                Lea::Recipe record = *r.recipe(recipeId(ids.hotChocolate));
                record.dripTime_cs = 90;
                r.updateRecipe(recipeId(ids.hotChocolate), record);
            } },
        RefusedWrite { "updateStep", "UPDATE ON PreparationSteps", "Failed saving step",
            [](Bridge& r, const TestCatalogue& ids) {
                Lea::Step record = *r.step(stepId(ids.hotChocolateSteps[1]));
                record.description = QStringLiteral("Changed");
                record.waterDose = 99;
                r.updateStep(stepId(ids.hotChocolateSteps[1]), record);
            } },
        RefusedWrite { "updateIngredient", "UPDATE ON Ingredients", "Failed saving ingredient",
            [](Bridge& r, const TestCatalogue& ids) {
                const int mixStep = ids.hotChocolateSteps[0];
                r.updateIngredient(ingredientId(ids.stepIngredients[mixStep][0]), stepId(mixStep),
                    instantIngredient(Canisters::Ingredient14, 40, 50));
            } },
        RefusedWrite { "updateIngredientType", nullptr, "Cannot change ingredient type",
            [](Bridge& r, const TestCatalogue& ids) {
                const int mixStep = ids.hotChocolateSteps[0];
                Lea::Ingredient record = instantIngredient(Canisters::Ingredient14, 99, 50);
                record.type = Lea::IngredientEspresso;
                r.updateIngredient(ingredientId(ids.stepIngredients[mixStep][0]), stepId(mixStep), record);
            } },
        RefusedWrite { "updateIngredientOfAnotherStep", nullptr, "Ingredient not found in step",
            [](Bridge& r, const TestCatalogue& ids) {
                r.updateIngredient(ingredientId(ids.stepIngredients[ids.hotChocolateSteps[0]][0]),
                    stepId(ids.espressoSteps[0]), instantIngredient(Canisters::Ingredient14, 40, 50));
            } },
        RefusedWrite { "deleteRecipe", "DELETE ON Recipes", "Failed deleting recipe from database",
            [](Bridge& r, const TestCatalogue& ids) { r.deleteRecipe(recipeId(ids.cappuccino)); } },
        RefusedWrite { "reorderRecipeSteps", "INSERT ON Recipe_Steps", "Failed saving recipe steps",
            [](Bridge& r, const TestCatalogue& ids) {
                Lea::Recipe record = *r.recipe(recipeId(ids.cappuccino));
                std::reverse(record.steps.begin(), record.steps.end());
                r.reorderRecipeSteps(recipeId(ids.cappuccino), record);
            } },
        RefusedWrite { "deleteStep", "DELETE ON PreparationSteps", "Failed deleting step from database",
            [](Bridge& r, const TestCatalogue& ids) {
                r.deleteStep(stepId(ids.hotChocolateSteps[0]), recipeId(ids.hotChocolate));
            } },
        RefusedWrite { "deleteStepOfAnotherRecipe", nullptr, "Failed to get core and recipe in configuration",
            [](Bridge& r, const TestCatalogue& ids) {
                r.deleteStep(stepId(ids.hotChocolateSteps[0]), recipeId(ids.espresso));
            } },
        RefusedWrite { "deleteIngredient", "DELETE ON Ingredients",
            "Failed deleting ingredient from database",
            [](Bridge& r, const TestCatalogue& ids) {
                const int mixStep = ids.hotChocolateSteps[0];
                r.deleteIngredient(ingredientId(ids.stepIngredients[mixStep][1]), stepId(mixStep));
            } },
        RefusedWrite { "deleteIngredientOfAnotherStep", nullptr, "Ingredient not found in step",
            [](Bridge& r, const TestCatalogue& ids) {
                r.deleteIngredient(ingredientId(ids.stepIngredients[ids.hotChocolateSteps[0]][1]),
                    stepId(ids.espressoSteps[0]));
            } }),
    [](const auto& info) { return std::string(info.param.name); });

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

const GuardCase<Bridge> kGuard[] = {
    { "recipe", [](Bridge& r) { return !r.recipe(recipeId(1)); } },
    { "recipes", [](Bridge& r) { return r.recipes().empty(); } },
    { "createRecipe", [](Bridge& r) { return !r.createRecipe({}); } },
    { "updateRecipe", [](Bridge& r) { return r.updateRecipe(recipeId(1), {}), true; } },
    { "deleteRecipe", [](Bridge& r) { return r.deleteRecipe(recipeId(1)), true; } },
    { "reorderRecipeSteps", [](Bridge& r) { return r.reorderRecipeSteps(recipeId(1), {}), true; } },
    { "defaultRecipe", [](Bridge& r) { return r.defaultRecipe().name.isNull(); } },
    { "reload", [](Bridge& r) { return r.reload(), true; } },
    { "step", [](Bridge& r) { return !r.step(stepId(1)); } },
    { "createStep", [](Bridge& r) { return !r.createStep({}); } },
    { "updateStep", [](Bridge& r) { return r.updateStep(stepId(1), {}), true; } },
    { "deleteStep", [](Bridge& r) { return r.deleteStep(stepId(1), recipeId(1)), true; } },
    { "isTeskMilkStep", [](Bridge& r) { return !r.isTeskMilkStep(stepId(1)); } },
    { "canAdjustWaterDose", [](Bridge& r) { return !r.canAdjustWaterDose(stepId(1)); } },
    { "waterVolumeInfo_ml",
        [](Bridge& r) {
            const Lea::WaterVolumeInfo info = r.waterVolumeInfo_ml(stepId(1));
            return info.volume_ml == 0 && info.maxVolume_ml == 0;
        } },
    { "ingredient", [](Bridge& r) { return !r.ingredient(ingredientId(1)); } },
    { "createIngredient", [](Bridge& r) { return !r.createIngredient({}, stepId(1)); } },
    { "updateIngredient",
        [](Bridge& r) { return r.updateIngredient(ingredientId(1), stepId(1), {}), true; } },
    { "deleteIngredient", [](Bridge& r) { return r.deleteIngredient(ingredientId(1), stepId(1)), true; } },
    { "beverageIngredients", [](Bridge& r) { return r.beverageIngredients(beverageId(1)).empty(); } },
    { "canAdjustPowderDose", [](Bridge& r) { return !r.canAdjustPowderDose(ingredientId(1)); } },
};
GUARD_TEST(RecipesGuard, lea::products::Recipes, Bridge, kGuard);

} // namespace
