#include "core/catalogue/beverage.h"
#include "core/selection/userselectionmanager.h"
#include "products/records.h"

namespace {

using Lea = lea::products::Recipes;
using lea::products::Canisters;
using Bridge = bridge::products::Recipes;

// Every write is proved by reload(), which reads the configuration afresh from the database file.
class RecipesTest : public AccessorTest<Lea, Bridge>
{
protected:
    /// The entries containing `text` that the Products module wrote.
    static int productFailures(const char* text)
    {
        int count = 0;
        for (const LogEntry& entry : logEntriesContaining(QString::fromLatin1(text)))
            count += entry.level >= LogLevel::Warning && entry.modules.contains(QStringLiteral("Product"));
        return count;
    }

    Lea::Step storedStep(int id) const { return accessor->step(SId(id)).value_or(Lea::Step {}); }
};

TEST_F(RecipesTest, ReadsStoredRecipesWithTranslationsInOfferedLanguages)
{
    const Lea::Recipe espresso = accessor->recipe(RId(ids.espresso)).value_or(Lea::Recipe {});
    // Italian is not offered.
    EXPECT_EQ(texts(espresso.translations),
        (Texts { { QLocale::English, "Espresso" }, { QLocale::German, "Espresso" } }));
    EXPECT_EQ(values(espresso.steps), Ids(ids.espressoSteps.begin(), ids.espressoSteps.end()));
    EXPECT_EQ(values(espresso.customizations), Ids { unsigned(ids.strengthCustomization) });
    EXPECT_EQ(espresso.dripTime_cs, 150);
    EXPECT_FALSE(accessor->recipe(RId(9999)));
    EXPECT_EQ(accessor->recipes().size(), 3u);

    const Lea::Step extraction = storedStep(ids.espressoSteps[0]);
    EXPECT_EQ(extraction.waterType, nonstd::optional<Lea::WaterType>(Lea::EspressoBoilerWater));
    EXPECT_EQ(extraction.preInfusionTime, nonstd::optional<int64_t>(1500));
}

TEST_F(RecipesTest, StepWaterSpeedIsStoredInTensOfCoreUnitsAndAStoppedPumpReadsZero)
{
    const int id = ids.hotChocolateSteps[1];
    // (written, stored in the core, read back)
    for (const auto& [written, inCore, readBack] :
        { std::make_tuple(12, 120, 12), std::make_tuple(0, 0, 0), std::make_tuple(-3, -30, 0) }) {
        Lea::Step step = storedStep(id);
        step.waterSpeed = written;
        accessor->updateStep(SId(id), step);
        reload();
        EXPECT_EQ(std::make_pair(accessor->coreStepFromId(id)->water().speed(), storedStep(id).waterSpeed),
            std::make_pair(inCore, readBack))
            << written;
    }
}

TEST_F(RecipesTest, MixerOnANonInstantStepIsLoggedAndTheOtherFieldsAreStored)
{
    const int waterStep = ids.hotChocolateSteps[1], mixStep = ids.hotChocolateSteps[0];
    for (const int id : { waterStep, mixStep }) {
        Lea::Step step = storedStep(id);
        step.description = QStringLiteral("Rinse");
        step.waterDose = 75;
        step.mixer = Lea::Step::Mixer { Lea::Step::Mixer::Low, false };
        accessor->updateStep(SId(id), step);
    }
    const QList<LogEntry> entries
        = logEntriesContaining(QStringLiteral(" mixer settings can only be set on instant steps."));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(std::make_pair(entries[0].level, entries[0].modules),
        std::make_pair(LogLevel::Warning, QStringList { QStringLiteral("Recipe") }));
    EXPECT_TRUE(entries[0].items[0].contains(QStringLiteral("StepConverter::updateCoreStepFromLeaStep")));

    reload();
    for (const int id : { waterStep, mixStep })
        EXPECT_EQ(std::make_pair(storedStep(id).description, storedStep(id).waterDose),
            std::make_pair(QStringLiteral("Rinse"), 75));
    EXPECT_FALSE(storedStep(waterStep).mixer);
    const auto mixer = storedStep(mixStep).mixer.value_or(Lea::Step::Mixer { Lea::Step::Mixer::High, true });
    EXPECT_EQ(
        std::make_pair(mixer.speed, mixer.absoluteMixTime), std::make_pair(Lea::Step::Mixer::Low, false));
}

TEST_F(RecipesTest, StepChainKeepsEveryOrderAcrossReloads)
{
    std::vector<SId> created;
    for (const Lea::StepType type : { Lea::WaterOnly, Lea::Instant, Lea::DrySugar })
        created.push_back(accessor->createStep(stepRecord(type)).value_or(SId(0)));
    // An unknown step is left out; the steps after it are still linked.
    Lea::Recipe record = recipeRecord("Layered", { created[0], SId(99999), created[1], created[2] });
    const auto id = accessor->createRecipe(record);
    ASSERT_TRUE(id);
    EXPECT_EQ(productFailures("Unknown step left out of the recipe"), 1);
    const auto stepsAfterReload = [&] {
        reload();
        return values(accessor->recipe(*id).value_or(Lea::Recipe {}).steps);
    };
    const unsigned a = created[0].value(), b = created[1].value(), c = created[2].value();
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(stepsAfterReload(), (Ids { a, b, c }));

    record.steps = { created[2], created[0], created[1] };
    accessor->reorderRecipeSteps(*id, record);
    EXPECT_EQ(stepsAfterReload(), (Ids { c, a, b }));

    const quint32 counter = databaseChangeCounter();
    record.steps = { created[2], created[0] };
    accessor->reorderRecipeSteps(*id, record);
    record.steps = { created[2], created[0], created[1] };
    accessor->reorderRecipeSteps(*id, record); // the order it already has
    EXPECT_EQ(productFailures("Steps list differ"), 1);
    EXPECT_EQ(databaseChangeCounter(), counter);
    EXPECT_EQ(stepsAfterReload(), (Ids { c, a, b }));

    accessor->deleteStep(created[0], *id);
    EXPECT_EQ(stepsAfterReload(), (Ids { c, b }));
    EXPECT_FALSE(accessor->step(created[0]));
}

TEST_F(RecipesTest, PowderSpeedIsKeptWithinTheCanisterCalibration)
{
    // Milk powder calibrates from 10 to 90. (requested, stored)
    const int mixStep = ids.hotChocolateSteps[0];
    const IId seeded(ids.stepIngredients[mixStep][1]);
    for (const auto& [requested, expected] :
        { std::make_pair(95, 90), std::make_pair(50, 50), std::make_pair(5, 10), std::make_pair(0, 10) }) {
        const auto created = accessor->createIngredient(
            instantIngredient(Canisters::Ingredient20, 7, requested), SId(mixStep));
        ASSERT_TRUE(created);
        accessor->updateIngredient(
            seeded, SId(mixStep), instantIngredient(Canisters::Ingredient20, 10, requested));
        reload();
        for (const IId id : { *created, seeded }) {
            const Lea::Ingredient read = accessor->ingredient(id).value_or(Lea::Ingredient {});
            const auto powder = read.powder.value_or(Lea::Ingredient::Powder {});
            EXPECT_EQ(std::make_tuple(powder.speed, powder.maxSpeed, read.canisterName),
                std::make_tuple(expected, 90, QStringLiteral("Milk powder")))
                << requested;
        }
    }
}

TEST_F(RecipesTest, BeverageIngredientsSumDosesPerIngredientInOrderOfFirstUse)
{
    // Coffee beans (the espresso step doses at most 25), milk powder, chocolate: (ingredient, dose, maximum).
    using Dose = std::tuple<Canisters::LogicalIngredient, int, int>;
    std::vector<Dose> read;
    for (const auto& i : accessor->beverageIngredients(BId(ids.cappuccinoBeverage)))
        read.emplace_back(i.logicalIngredient, i.dose, i.maxDose);
    EXPECT_EQ(read,
        (std::vector<Dose> { { Canisters::Ingredient7, 9, 25 }, { Canisters::Ingredient20, 16, 60 },
            { Canisters::Ingredient14, 3, 60 } }));
    EXPECT_TRUE(accessor->beverageIngredients(BId(9999)).empty());

    // The selected beverage shows the customer's recipe: here a stronger coffee.
    UserSelectionManager& selection = *gCoreEnv->userSelectionManager();
    selection.setSelectedProduct(configuration().beverage(ids.cappuccinoBeverage));
    ASSERT_NE(selection.selectionRecipe(), nullptr);
    selection.selectionRecipe()->preparationSteps()[0]->ingredients()[0]->setDose(14);
    EXPECT_EQ(accessor->beverageIngredients(BId(ids.cappuccinoBeverage)).at(0).dose, 14);
    EXPECT_EQ(accessor->beverageIngredients(BId(ids.espressoBeverage)).at(0).dose, 8);
}

TEST_F(RecipesTest, DeletedRecipeStaysDeletedAfterReload)
{
    QSignalSpy changed(accessor.get(), &Lea::changed);
    accessor->deleteRecipe(RId(ids.espresso));
    EXPECT_GE(changed.count(), 1);

    reload();
    EXPECT_FALSE(accessor->recipe(RId(ids.espresso)));
    EXPECT_EQ(accessor->recipes().size(), 2u);
    for (const int step : ids.espressoSteps)
        EXPECT_FALSE(accessor->step(SId(step)));
    EXPECT_TRUE(accessor->beverageIngredients(BId(ids.espressoBeverage)).empty());
    accessor->deleteRecipe(RId(ids.espresso));
    EXPECT_EQ(productFailures("Recipe does not exist"), 1);

    // changed() follows the configuration loaded since.
    changed.clear();
    accessor->deleteRecipe(RId(ids.hotChocolate));
    EXPECT_GE(changed.count(), 1);
}

TEST_F(RecipesTest, UpdatedRecipeAndIngredientsAreStored)
{
    Lea::Recipe record = *accessor->recipe(RId(ids.hotChocolate));
    record.hasStirrer = false;
    record.dripTime_cs = 90;
    record.extraText = QStringLiteral("seasonal");
    record.translations = german(QStringLiteral("Kakao"));
    record.cupType = Lea::Mug; // read only
    accessor->updateRecipe(RId(ids.hotChocolate), record);

    const int mixStep = ids.hotChocolateSteps[0], milk = ids.stepIngredients[mixStep][1];
    accessor->deleteIngredient(IId(milk), SId(mixStep));
    const auto sugar = accessor->createIngredient(instantIngredient(Canisters::Ingredient6, 4), SId(mixStep));
    ASSERT_TRUE(sugar);

    reload();
    const Lea::Recipe stored = accessor->recipe(RId(ids.hotChocolate)).value_or(Lea::Recipe {});
    EXPECT_EQ(std::make_tuple(stored.hasStirrer, stored.dripTime_cs, stored.extraText, stored.cupType),
        std::make_tuple(false, 90, nonstd::optional<QString>(QStringLiteral("seasonal")), Lea::LargeCup));
    EXPECT_EQ(texts(stored.translations), texts(german(QStringLiteral("Kakao"))));
    EXPECT_EQ(values(storedStep(mixStep).ingredients),
        (Ids { unsigned(ids.stepIngredients[mixStep][0]), sugar->value() }));
    EXPECT_FALSE(accessor->ingredient(IId(milk)));
}

const GuardCase<Bridge> kGuard[] = {
    { "recipe", [](Bridge& r) { return !r.recipe(RId(1)); } },
    { "recipes", [](Bridge& r) { return r.recipes().empty(); } },
    { "createRecipe", [](Bridge& r) { return !r.createRecipe({}); } },
    { "updateRecipe", [](Bridge& r) { return r.updateRecipe(RId(1), {}), true; } },
    { "deleteRecipe", [](Bridge& r) { return r.deleteRecipe(RId(1)), true; } },
    { "reorderRecipeSteps", [](Bridge& r) { return r.reorderRecipeSteps(RId(1), {}), true; } },
    { "defaultRecipe", [](Bridge& r) { return r.defaultRecipe().name.isNull(); } },
    { "reload", [](Bridge& r) { return r.reload(), true; } },
    { "step", [](Bridge& r) { return !r.step(SId(1)); } },
    { "createStep", [](Bridge& r) { return !r.createStep({}); } },
    { "updateStep", [](Bridge& r) { return r.updateStep(SId(1), {}), true; } },
    { "deleteStep", [](Bridge& r) { return r.deleteStep(SId(1), RId(1)), true; } },
    { "isTeskMilkStep", [](Bridge& r) { return !r.isTeskMilkStep(SId(1)); } },
    { "canAdjustWaterDose", [](Bridge& r) { return !r.canAdjustWaterDose(SId(1)); } },
    { "waterVolumeInfo_ml",
        [](Bridge& r) {
            const Lea::WaterVolumeInfo info = r.waterVolumeInfo_ml(SId(1));
            return info.volume_ml == 0 && info.maxVolume_ml == 0;
        } },
    { "ingredient", [](Bridge& r) { return !r.ingredient(IId(1)); } },
    { "createIngredient", [](Bridge& r) { return !r.createIngredient({}, SId(1)); } },
    { "updateIngredient", [](Bridge& r) { return r.updateIngredient(IId(1), SId(1), {}), true; } },
    { "deleteIngredient", [](Bridge& r) { return r.deleteIngredient(IId(1), SId(1)), true; } },
    { "beverageIngredients", [](Bridge& r) { return r.beverageIngredients(BId(1)).empty(); } },
    { "canAdjustPowderDose", [](Bridge& r) { return !r.canAdjustPowderDose(IId(1)); } },
};
GUARD_TEST(RecipesGuard, lea::products::Recipes, Bridge, kGuard);

} // namespace
