#include "support/cataloguetest.h"
#include "core/catalogue/category.h"
#include "core/catalogue/drysugarpreparationstep.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantingredient.h"
#include "core/catalogue/wateronlypreparationstep.h"
#include "core/configuration/configurationmanager.h"

#include <QSignalSpy>

TEST(CatalogueModel, StepsAndIngredientsGoWhereAskedAndAreHeldOnce)
{
    Recipe recipe;
    auto* first = new WaterOnlyPreparationStep;
    auto* second = new DrySugarPreparationStep;
    auto* between = new WaterOnlyPreparationStep;
    auto* front = new WaterOnlyPreparationStep;
    ASSERT_TRUE(recipe.addPreparationStep(first, nullptr, true));
    ASSERT_TRUE(recipe.addPreparationStep(second, nullptr, true));
    ASSERT_TRUE(recipe.addPreparationStep(between, first, true));
    ASSERT_TRUE(recipe.addPreparationStep(front, nullptr, false));
    EXPECT_EQ(recipe.preparationSteps(), (QList<AbstractPreparationStep*> { front, first, between, second }));
    EXPECT_EQ(first->parent(), &recipe);

    // Refused: no step, a step held already, another with its stored id, a place outside the recipe.
    WaterOnlyPreparationStep stranger, duplicate, other;
    first->setDbId(4);
    duplicate.setDbId(4);
    EXPECT_FALSE(recipe.addPreparationStep(nullptr, nullptr, true));
    EXPECT_FALSE(recipe.addPreparationStep(first, nullptr, true));
    EXPECT_FALSE(recipe.addPreparationStep(&duplicate, nullptr, true));
    EXPECT_FALSE(recipe.addPreparationStep(&other, &stranger, true));
    EXPECT_EQ(duplicate.parent(), nullptr);
    EXPECT_EQ(other.parent(), nullptr);

    EXPECT_TRUE(recipe.deletePreparationStep(between));
    EXPECT_FALSE(recipe.deletePreparationStep(&stranger));
    EXPECT_EQ(recipe.preparationSteps(), (QList<AbstractPreparationStep*> { front, first, second }));

    auto* ingredient = new InstantIngredient;
    InstantIngredient sameId;
    ingredient->setDbId(3);
    sameId.setDbId(3);
    ASSERT_TRUE(first->addIngredient(ingredient));
    EXPECT_FALSE(first->addIngredient(&sameId));
    EXPECT_FALSE(first->deleteIngredient(1));
    EXPECT_TRUE(first->deleteIngredient(0));
    EXPECT_TRUE(first->ingredients().isEmpty());
}

TEST(CatalogueModel, EspressoDoseIsCountedInFlowmeterPulses)
{
    EspressoPreparationStep step(AbstractPreparationStep::EspressoStep);
    step.setDose(30);
    EXPECT_EQ(step.water().dose(), 60);
    EXPECT_EQ(step.dose(), 30);
    EXPECT_EQ(AbstractPreparationStep::doseUnityToString(step.doseUnity()), QStringLiteral("pulses"));
    EXPECT_EQ(AbstractPreparationStep::doseUnityToString(0), QStringLiteral("ml"));
    EXPECT_EQ(step.waterVolume_ml(), 30);
    EXPECT_EQ(DrySugarPreparationStep().waterVolume_ml(), 0);
}

TEST(CatalogueModel, CanisterIsUnavailableWhenEmptyOrDisabled)
{
    Canister canister;
    canister.powderLevel()->setEmptyCheckEnabled(true);
    canister.powderLevel()->setGramsEmptyTreshold(10);
    canister.powderLevel()->setCurrentValue(101);
    EXPECT_TRUE(canister.isAvailable());
    canister.powderLevel()->setCurrentValue(100);
    EXPECT_FALSE(canister.isAvailable());
    canister.powderLevel()->setEmptyCheckEnabled(false);
    EXPECT_TRUE(canister.isAvailable());
    canister.setEnabled(false);
    EXPECT_FALSE(canister.isAvailable());

    InstantIngredient ingredient;
    EXPECT_EQ(ingredient.maxPowderSpeed(), InstantIngredient::kDefaultMaxPowderSpeed);
    {
        Canister assigned;
        assigned.setCalibrationMax(70);
        ingredient.setCanister(&assigned);
        EXPECT_EQ(ingredient.maxPowderSpeed(), 70);
    }
    // The ingredient does not keep a canister that is gone.
    EXPECT_EQ(ingredient.canister(), nullptr);
}

TEST_F(CatalogueTest, CategoryCopiesAreIndependentOfTheConfiguration)
{
    QList<Category*> copies = configuration().getAllCategories(false);
    ASSERT_EQ(copies.size(), 4);
    EXPECT_NE(copies.first(), configuration().getAllCategories(true).first());
    EXPECT_EQ(
        copies.first()->productIds(), (QList<int> { ids.espressoBeverage, -1, ids.hotChocolateBeverage }));
    copies.first()->setTitle(QStringLiteral("changed"));
    EXPECT_EQ(configuration().getAllCategories(true).first()->title(), QStringLiteral("Hot drinks"));
    EXPECT_FALSE(copies.at(1)->isAvailable());
    qDeleteAll(copies);
}

TEST_F(CatalogueTest, ReloadPostEditorReplacesTheConfigurationWithTheStoredOne)
{
    Recipe& espresso = recipe(ids.espresso);
    espresso.setName(QStringLiteral("Doppio"));
    ASSERT_TRUE(loader().saveRecipe(&espresso));
    espresso.setName(QStringLiteral("not saved"));
    QList<const Configuration*> announced;
    QObject::connect(&machine().core(), &CoreEnvironment::configurationChanged,
        [&announced](const Configuration* configuration) { announced << configuration; });

    machine().core().configurationManager()->reloadPostEditor();

    Configuration* fresh = machine().core().configuration();
    EXPECT_EQ(announced, QList<const Configuration*> { fresh });
    EXPECT_EQ(fresh->recipe(ids.espresso)->name(), QStringLiteral("Doppio"));
}

TEST_F(CatalogueTest, UnstoredCategoryStaysOutOfTheDatabase)
{
    QSignalSpy changed(&configuration(), &Configuration::categoriesChanged);
    auto virtualCategory = std::make_unique<Category>();
    virtualCategory->setIsDisplayed(true);
    Category* appended = configuration().appendLoadedCategory(std::move(virtualCategory));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(configuration().getAllCategories(true).last(), appended);
    const QStringList before = snapshot();

    QList<Category*> categories = configuration().getAllCategories(true);
    categories.move(categories.size() - 1, 0);
    ASSERT_TRUE(configuration().saveDisplayedCategories(configuration().id(), categories, 3, 2, true));

    EXPECT_EQ(snapshot(), before);
    configuration().loadBeverageCategories();
    EXPECT_EQ(configuration().getAllCategories(true).size(), 4);
}
