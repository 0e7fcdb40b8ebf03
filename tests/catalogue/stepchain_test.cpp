#include "support/cataloguetest.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/beverage.h"

namespace {

/// Positions into the cappuccino's three seeded steps.
class StepChainReorder : public CatalogueTest, public ::testing::WithParamInterface<QList<int>>
{
};

class StepChainRemoval : public CatalogueTest, public ::testing::WithParamInterface<int>
{
};

QList<int> pick(const QList<int>& steps, const QList<int>& positions)
{
    QList<int> result;
    for (int position : positions)
        result << steps.at(position);
    return result;
}

} // namespace

TEST_P(StepChainReorder, NewOrderSurvivesReload)
{
    const QList<int> wanted = pick(ids.cappuccinoSteps, GetParam());
    for (int stepId : ids.cappuccinoSteps)
        ASSERT_TRUE(loader().removeStepFromRecipe(ids.cappuccino, stepId));
    int previous = -1;
    for (int stepId : wanted) {
        ASSERT_TRUE(loader().addStepToRecipe(ids.cappuccino, stepId, previous));
        previous = stepId;
    }
    ASSERT_TRUE(configuration().reloadRecipeSteps(&recipe(ids.cappuccino)));
    EXPECT_EQ(stepIds(recipe(ids.cappuccino)), wanted);
    reload();
    EXPECT_EQ(stepIds(recipe(ids.cappuccino)), wanted);
    // Ingredients stay with their step.
    for (int stepId : wanted)
        EXPECT_EQ(
            step(ids.cappuccino, stepId).ingredients().size(), ids.stepIngredients.value(stepId).size());
    EXPECT_TRUE(logEntriesContaining(QStringLiteral("Broken step chain")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Orders, StepChainReorder,
    ::testing::Values(
        QList<int> { 2, 1, 0 }, QList<int> { 2, 0, 1 }, QList<int> { 1, 0, 2 }, QList<int> { 0, 1, 2 }),
    [](const auto& info) {
        return "Steps" + std::to_string(info.param[0]) + std::to_string(info.param[1])
            + std::to_string(info.param[2]);
    });

TEST_P(StepChainRemoval, OthersKeepTheirOrderAfterReload)
{
    QList<int> expected = ids.cappuccinoSteps;
    const int removed = expected.takeAt(GetParam());
    ASSERT_TRUE(loader().removeStepFromRecipe(ids.cappuccino, removed));
    EXPECT_EQ(stepIds(*reload().loadAndFillRecipe(ids.cappuccino)), expected);
    // The step itself is still stored: it can be linked again at the end.
    ASSERT_TRUE(loader().addStepToRecipe(ids.cappuccino, removed, expected.last()));
    EXPECT_EQ(stepIds(*reload().loadAndFillRecipe(ids.cappuccino)), expected + QList<int> { removed });
}

TEST_P(StepChainRemoval, DeletedStepLeavesTheChainWhole)
{
    QList<int> expected = ids.cappuccinoSteps;
    const int removed = expected.takeAt(GetParam());
    const int ingredientsBefore = rowCount(QStringLiteral("Ingredients"));
    ASSERT_TRUE(loader().deletePreparatationStep(removed));
    EXPECT_TRUE(recipe(ids.cappuccino).deletePreparationStep(&step(ids.cappuccino, removed)));
    EXPECT_EQ(stepIds(recipe(ids.cappuccino)), expected);
    reload();
    EXPECT_EQ(stepIds(recipe(ids.cappuccino)), expected);
    EXPECT_EQ(rowCount(QStringLiteral("Ingredients")),
        ingredientsBefore - ids.stepIngredients.value(removed).size());
    // Loaded from an intact chain, not pieced together.
    EXPECT_TRUE(logEntriesContaining(QStringLiteral("Broken step chain")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Positions, StepChainRemoval, ::testing::Values(0, 1, 2));

TEST_F(CatalogueTest, StepInsertedAfterAnotherTakesItsPlaceInTheChain)
{
    const int tea = ids.hotChocolateSteps.at(1);
    ASSERT_TRUE(loader().addStepToRecipe(ids.espresso, tea, ids.espressoSteps.at(0)));
    EXPECT_EQ(stepIds(*reload().loadAndFillRecipe(ids.espresso)),
        (QList<int> { ids.espressoSteps.at(0), tea, ids.espressoSteps.at(1) }));
    // The same step in two recipes is two objects, one per recipe.
    EXPECT_NE(&step(ids.espresso, tea), &step(ids.hotChocolate, tea));
}

TEST_F(CatalogueTest, ImpossibleLinksAreRefusedAndChangeNothing)
{
    const QStringList before = snapshot();
    EXPECT_FALSE(loader().addStepToRecipe(ids.espresso, ids.espressoSteps.at(1), -1)); // already linked
    EXPECT_FALSE(
        loader().addStepToRecipe(ids.espresso, ids.hotChocolateSteps.at(0), ids.cappuccinoSteps.at(0)));
    EXPECT_FALSE(loader().addStepToRecipe(ids.espresso, 9999, -1));
    EXPECT_FALSE(loader().addStepToRecipe(9999, ids.espressoSteps.at(0), -1));
    EXPECT_TRUE(loader().removeStepFromRecipe(ids.espresso, ids.hotChocolateSteps.at(0))); // not linked there
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CatalogueTest, DamagedChainStillLoadsEveryStep)
{
    // Two links claiming the same place: the chain stops there and the rest follow by id.
    execute(QStringLiteral("UPDATE Recipe_Steps SET previous_step_id = -1"));
    reload();
    QList<int> sorted = ids.cappuccinoSteps;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(stepIds(recipe(ids.cappuccino)), sorted);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Broken step chain")).size(), 3);
}

TEST_F(CatalogueTest, DeletedRecipeIsGoneAfterReloadAndItsBeverageUnlinked)
{
    const int stepsBefore = rowCount(QStringLiteral("PreparationSteps"));
    ASSERT_TRUE(loader().deleteRecipe(ids.cappuccino));
    Configuration& c = reload();
    EXPECT_FALSE(c.recipe(ids.cappuccino));
    ASSERT_TRUE(c.beverage(ids.cappuccinoBeverage));
    EXPECT_FALSE(c.beverage(ids.cappuccinoBeverage)->hasRecipe());
    EXPECT_EQ(c.beverage(ids.espressoBeverage)->recipe(), c.recipe(ids.espresso));
    EXPECT_EQ(stepIds(recipe(ids.espresso)), ids.espressoSteps);
    EXPECT_EQ(c.allIngredients().size(), 4);
    EXPECT_EQ(c.allCustomizations().size(), 1);
    EXPECT_EQ(rowCount(QStringLiteral("PreparationSteps")), stepsBefore - 3);
    for (const char* table : { "Customizations", "Recipe_Customizations", "Adjustments" })
        EXPECT_EQ(rowCount(QLatin1String(table)), 1) << table;
}

TEST_F(CatalogueTest, DeletedRecipeKeepsStepsOtherRecipesLink)
{
    const int shared = ids.espressoSteps.at(0);
    ASSERT_TRUE(loader().addStepToRecipe(ids.hotChocolate, shared, -1));
    ASSERT_TRUE(loader().deleteRecipe(ids.espresso));
    reload();
    EXPECT_EQ(stepIds(recipe(ids.hotChocolate)), QList<int> { shared } + ids.hotChocolateSteps);
    EXPECT_EQ(step(ids.hotChocolate, shared).ingredients().size(), 1);
}

TEST_F(CatalogueTest, RemovedRecipeLeavesNoDanglingIngredientsOrCustomizations)
{
    Recipe* removed = &recipe(ids.cappuccino);
    configuration().removeLoadedRecipe(removed);
    delete removed;
    EXPECT_EQ(configuration().allIngredients().size(), 4);
    EXPECT_EQ(configuration().allCustomizations().size(), 1);
    for (const AbstractIngredient* ingredient : configuration().allIngredients())
        EXPECT_TRUE(ingredient->canister());
}

TEST_F(CatalogueTest, DeletedCustomizationTakesItsAdjustmentsAlong)
{
    Recipe& cappuccino = recipe(ids.cappuccino);
    ASSERT_TRUE(cappuccino.removeCustomization(cappuccino.customizations().first()));
    ASSERT_TRUE(configuration().deleteCustomization(ids.cappuccino, ids.sugarCustomization));
    EXPECT_EQ(cappuccino.customizationAdjustments().size(), 1);
    reload();
    ASSERT_EQ(recipe(ids.cappuccino).customizations().size(), 1);
    EXPECT_EQ(recipe(ids.cappuccino).customizations().first()->dbId(), ids.milkCustomization);
    EXPECT_EQ(recipe(ids.cappuccino).customizationAdjustments().size(), 1);
    EXPECT_EQ(rowCount(QStringLiteral("Customizations")), 2);
}
