#include "bridge/products/cuptypeenumconverter.h"
#include "bridge/products/ingredientconverter.h"
#include "bridge/products/ingredienttypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/mixerspeedenumconverter.h"
#include "bridge/products/powdercycleenumconverter.h"
#include "bridge/products/pressurecurrentenumconverter.h"
#include "bridge/products/recipeconverter.h"
#include "bridge/products/stepconverter.h"
#include "bridge/products/steptypeenumconverter.h"
#include "bridge/products/watertypeenumconverter.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantingredient.h"
#include "core/catalogue/instantpreparationstep.h"
#include "core/catalogue/wateronlypreparationstep.h"
#include "support/cataloguetest.h"

#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using Recipes = lea::products::Recipes;
using FlatRecipes = lea::products::FlatRecipes;

std::string failure(const std::function<void()>& convert)
{
    try {
        convert();
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "no exception";
}

/// Checks the number of listed pairs, and that the values given have no partner and are refused with their
/// number in the exact text.
template <class C>
void expectTable(std::size_t pairs, std::initializer_list<int> coreOnly, std::initializer_list<int> leaOnly)
{
    SCOPED_TRACE(C::converter());
    EXPECT_EQ(C::convertibleInternalValues().size(), pairs);
    const auto refusal = [](const char* side, int value) {
        return std::string("Invalid ") + side + " enum value " + std::to_string(value) + " (" + C::converter()
            + ")";
    };
    for (const int value : coreOnly) {
        const auto internal = static_cast<typename C::Internal>(value);
        EXPECT_FALSE(C::toExternalOpt(internal)) << value;
        EXPECT_EQ(failure([internal] { C::toExternalOrThrow(internal); }), refusal("internal", value));
    }
    for (const int value : leaOnly) {
        const auto external = static_cast<typename C::External>(value);
        EXPECT_FALSE(C::toInternalOpt(external)) << value;
        EXPECT_EQ(failure([external] { C::toInternalOrThrow(external); }), refusal("external", value));
    }
}

TEST(RecipeEnumTables, ValuesWithoutPartnerAreRefusedWithTheirNumber)
{
    using namespace bridge::products;
    expectTable<CupTypeEnumConverter>(4, { -1, 4 }, { 4 });
    expectTable<StepTypeEnumConverter>(9, { 0, 10 }, { 5, 10 });
    expectTable<IngredientTypeEnumConverter>(4, { 0, 1, 6 }, { -1, 4 });
    expectTable<MixerSpeedEnumConverter>(3, { 3 }, { 3, 7 });
    expectTable<PressureCurrentEnumConverter>(3, { -1, 3 }, { 3 });
    expectTable<PowderCycleEnumConverter>(2, { -1, 2 }, { 2 });
    expectTable<WaterTypeEnumConverter>(52, { 51, 100, 254, -1 }, { 6, 52, 54 });
    expectTable<LogicalIngredientEnumConverter>(37, { 37, -1 }, { 36, 37, 39, -1 });
}

// Record conversions that need the canisters of a loaded configuration.
class RecipeConverterTest : public CatalogueTest
{
protected:
    static Recipes::Ingredient chocolate(int dose)
    {
        Recipes::Ingredient ingredient;
        ingredient.type = Recipes::IngredientInstant;
        ingredient.logicalIngredient = lea::products::Canisters::Ingredient14;
        ingredient.dose = dose;
        return ingredient;
    }

    static FlatRecipes::Step flatStep(
        Recipes::StepType type, std::vector<Recipes::Ingredient> ingredients = {})
    {
        FlatRecipes::Step step;
        step.type = type;
        step.waterDose = 40;
        step.ingredients = std::move(ingredients);
        return step;
    }

    static std::unique_ptr<Recipe> convert(std::vector<FlatRecipes::Step> steps)
    {
        FlatRecipes::Recipe flat;
        flat.cupType = Recipes::Mug;
        flat.steps = std::move(steps);
        return bridge::products::RecipeConverter::leaRecipeToCoreRecipe(flat);
    }
};

TEST_F(RecipeConverterTest, FlatRecipeBuildsEveryEspressoKindWithTemporaryIds)
{
    const std::unique_ptr<Recipe> recipe = convert({ flatStep(Recipes::LongEspresso),
        flatStep(Recipes::ShortEspresso), flatStep(Recipes::Instant, { chocolate(20), chocolate(5) }) });
    ASSERT_NE(recipe, nullptr);
    EXPECT_EQ(recipe->cupType(), Recipe::Mug);
    EXPECT_EQ(recipe->cupToDropFromTurret(), Product::FirstTurret);
    const QList<AbstractPreparationStep*> steps = recipe->preparationSteps();
    ASSERT_EQ(steps.size(), 3);
    EXPECT_EQ(steps[0]->type(), AbstractPreparationStep::LongEspressoStep);
    EXPECT_EQ(steps[1]->type(), AbstractPreparationStep::ShortEspressoStep);
    EXPECT_NE(qobject_cast<EspressoPreparationStep*>(steps[0]), nullptr);
    EXPECT_NE(qobject_cast<EspressoPreparationStep*>(steps[1]), nullptr);
    EXPECT_EQ(
        (QList<int> { steps[0]->dbId(), steps[1]->dbId(), steps[2]->dbId() }), (QList<int> { -1, -2, -3 }));
    const QList<AbstractIngredient*> ingredients = steps[2]->ingredients();
    ASSERT_EQ(ingredients.size(), 2);
    EXPECT_EQ((QList<int> { ingredients[0]->dbId(), ingredients[1]->dbId() }), (QList<int> { -1, -2 }));
    ASSERT_NE(ingredients[0]->canister(), nullptr);
    EXPECT_EQ(ingredients[0]->canister()->logicalCanisterId(), Canister::Chocolate);

    // A step kind this machine cannot make refuses the whole recipe.
    EXPECT_EQ(convert({ flatStep(Recipes::Espresso), flatStep(Recipes::FreshMilk) }), nullptr);
}

TEST_F(RecipeConverterTest, UnconvertibleValueAfterBuiltStepsThrowsWithoutLeaking)
{
    // The sanitizer build reports anything left behind by the throws.
    FlatRecipes::Step badMixer = flatStep(Recipes::Instant, { chocolate(10) });
    badMixer.mixer = Recipes::Step::Mixer { static_cast<Recipes::Step::Mixer::Speed>(7), false };
    EXPECT_THROW(convert({ flatStep(Recipes::Espresso), badMixer }), std::invalid_argument);

    Recipes::Ingredient unknownCanister = chocolate(10);
    unknownCanister.logicalIngredient = lea::products::Canisters::Ingredient36;
    EXPECT_THROW(
        convert({ flatStep(Recipes::Instant, { chocolate(10), unknownCanister }) }), std::invalid_argument);
}

TEST_F(RecipeConverterTest, OnlyThePlainEspressoStepShowsItsBrewingSettings)
{
    EspressoPreparationStep plain;
    plain.setPreInfusionDose(6);
    plain.setPressureCurrent(EspressoPreparationStep::HighCurrent);
    const Recipes::Step read = bridge::products::StepConverter::coreStepToLeaStep(plain);
    EXPECT_EQ(read.preInfusionDose, nonstd::optional<int32_t>(6));
    EXPECT_EQ(
        read.pressureCurrent, nonstd::optional<Recipes::Step::PressureCurrent>(Recipes::Step::HighCurrent));
    EXPECT_FALSE(read.mixer);

    EspressoPreparationStep longEspresso(AbstractPreparationStep::LongEspressoStep);
    longEspresso.setPreInfusionDose(6);
    const Recipes::Step readLong = bridge::products::StepConverter::coreStepToLeaStep(longEspresso);
    EXPECT_EQ(readLong.type, Recipes::LongEspresso);
    EXPECT_FALSE(readLong.preInfusionDose || readLong.preInfusionTime || readLong.squeezeEnabled
        || readLong.pressureCurrent);
}

TEST_F(RecipeConverterTest, PowderCycleIsAbsentForAContinuousAuger)
{
    using bridge::products::IngredientConverter;
    WaterOnlyPreparationStep step;
    InstantIngredient ingredient;
    ingredient.setCanisterId(Canister::Chocolate);
    ingredient.setType(AbstractIngredient::InstantIngredientType);
    EXPECT_FALSE(IngredientConverter::coreIngredientToLeaIngredient(ingredient, step).powder->cycle);

    ingredient.setPowderCycle(InstantIngredient::TimedPowderCycle, 4);
    const auto cycle = IngredientConverter::coreIngredientToLeaIngredient(ingredient, step).powder->cycle;
    ASSERT_TRUE(cycle);
    EXPECT_EQ(cycle->type, Recipes::Ingredient::PowderCycle::Timed);
    EXPECT_EQ(cycle->value, 4);

    ingredient.setPowderCycle(static_cast<InstantIngredient::PowderCycle>(5), 4);
    EXPECT_THROW(IngredientConverter::coreIngredientToLeaIngredient(ingredient, step), std::invalid_argument);
}

} // namespace
