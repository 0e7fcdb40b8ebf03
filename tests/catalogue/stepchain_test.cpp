#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/beverage.h"
#include "support/cataloguetest.h"

/// Positions into the cappuccino's three seeded steps.
class DeletedStep : public CatalogueTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(DeletedStep, LeavesTheChainWholeAtEveryPosition)
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

INSTANTIATE_TEST_SUITE_P(Positions, DeletedStep, ::testing::Values(0, 1, 2));

// A recipe record that lists a step twice is refused as a whole.
TEST_F(CatalogueTest, StepAlreadyInTheRecipeIsNotLinkedAgain)
{
    const QStringList before = snapshot();
    EXPECT_FALSE(loader().addStepToRecipe(ids.espresso, ids.espressoSteps.at(1), -1));
    EXPECT_FALSE(loader().addStepToRecipe(ids.espresso, ids.espressoSteps.at(0), ids.espressoSteps.at(1)));
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

TEST_F(CatalogueTest, DeletedRecipeKeepsSharedStepsAndUnlinksItsBeverage)
{
    const int shared = ids.cappuccinoSteps.at(0);
    ASSERT_TRUE(loader().addStepToRecipe(ids.hotChocolate, shared, -1));
    const int stepsBefore = rowCount(QStringLiteral("PreparationSteps"));
    ASSERT_TRUE(loader().deleteRecipe(ids.cappuccino));
    Recipe* removed = &recipe(ids.cappuccino);
    configuration().removeLoadedRecipe(removed);
    delete removed;
    // Nothing loaded refers to the removed recipe's objects any more.
    EXPECT_EQ(configuration().allIngredients().size(), 4);
    EXPECT_EQ(configuration().allCustomizations().size(), 1);

    Configuration& c = reload();
    EXPECT_FALSE(c.recipe(ids.cappuccino));
    ASSERT_TRUE(c.beverage(ids.cappuccinoBeverage));
    EXPECT_FALSE(c.beverage(ids.cappuccinoBeverage)->hasRecipe());
    EXPECT_EQ(c.beverage(ids.espressoBeverage)->recipe(), c.recipe(ids.espresso));
    EXPECT_EQ(stepIds(recipe(ids.hotChocolate)), QList<int> { shared } + ids.hotChocolateSteps);
    EXPECT_EQ(step(ids.hotChocolate, shared).ingredients().size(), 1);
    EXPECT_EQ(rowCount(QStringLiteral("PreparationSteps")), stepsBefore - 2);
    for (const char* table : { "Customizations", "Recipe_Customizations", "Adjustments" })
        EXPECT_EQ(rowCount(QLatin1String(table)), 1) << table;
}
