#include "bridge/products/enumconverters.h"
#include "bridge/products/ingredientconverter.h"
#include "bridge/products/recipeconverter.h"
#include "bridge/products/stepconverter.h"
#include "core/catalogue/category.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantingredient.h"
#include "core/catalogue/recipecustomization.h"
#include "core/catalogue/wateronlypreparationstep.h"
#include "products/records.h"

#include <initializer_list>

namespace {

using Recipes = lea::products::Recipes;
using FlatRecipes = lea::products::FlatRecipes;

/// Checks the number of listed pairs, and that the values given have no partner and are refused with their
/// number in the exact text.
template <class C>
void expectTable(std::size_t pairs, std::initializer_list<int> coreOnly, std::initializer_list<int> leaOnly)
{
    SCOPED_TRACE(C::converter());
    EXPECT_EQ(C::convertibleInternalValues().size(), pairs);
    const auto refusal = [](const char* side, int value) {
        return "Invalid " + std::string(side) + " enum value " + std::to_string(value) + " (" + C::converter()
            + ")";
    };
    for (const int value : coreOnly) {
        const auto internal = static_cast<typename C::Internal>(value);
        EXPECT_FALSE(C::toExternalOpt(internal)) << value;
        EXPECT_EQ(exceptionText<std::invalid_argument>([=] { C::toExternalOrThrow(internal); }),
            refusal("internal", value));
    }
    for (const int value : leaOnly) {
        const auto external = static_cast<typename C::External>(value);
        EXPECT_FALSE(C::toInternalOpt(external)) << value;
        EXPECT_EQ(exceptionText<std::invalid_argument>([=] { C::toInternalOrThrow(external); }),
            refusal("external", value));
    }
}

TEST(ProductEnumTables, ValuesWithoutPartnerAreRefusedWithTheirNumber)
{
    using namespace bridge::products;
    expectTable<CategoryTypeEnumConverter>(9, { -1, 9 }, { -1, 9 });
    expectTable<CupTypeEnumConverter>(4, { -1, 4 }, { 4 });
    expectTable<StepTypeEnumConverter>(9, { 0, 10 }, { 5, 10 });
    expectTable<IngredientTypeEnumConverter>(4, { 0, 1, 6 }, { -1, 4 });
    expectTable<MixerSpeedEnumConverter>(3, { 3 }, { 3, 7 });
    expectTable<PressureCurrentEnumConverter>(3, { -1, 3 }, { 3 });
    expectTable<PowderCycleEnumConverter>(2, { -1, 2 }, { 2 });
    expectTable<WaterTypeEnumConverter>(52, { 51, 100, 254, -1 }, { 6, 52, 54 });
    expectTable<LogicalIngredientEnumConverter>(37, { 37, -1 }, { 36, 37, 39, -1 });
    // Category types convert to themselves.
    for (int value = 0; value <= 8; ++value) {
        EXPECT_EQ(CategoryTypeEnumConverter::toExternalOrThrow(Category::CategoryType(value)), value);
        EXPECT_EQ(
            CategoryTypeEnumConverter::toInternalOrThrow(lea::products::Categories::Type(value)), value);
    }
}

TEST(ProductEnumTables, CustomizationTypesPairAsTheMachineDocumentsThem)
{
    using C = bridge::products::CustomizationTypeEnumConverter;
    // (interface, core); core 25 also reads as 7, and every other interface value is refused.
    const int pairs[][2] = { { 0, 6 }, { 1, 0 }, { 2, 5 }, { 4, 10 }, { 5, 1 }, { 7, 2 }, { 8, 8 }, { 9, 4 },
        { 10, 20 }, { 11, 21 }, { 12, 14 }, { 13, 12 }, { 14, 11 }, { 15, 15 }, { 16, 13 }, { 17, 9 },
        { 19, 7 }, { 20, 19 }, { 21, 16 }, { 22, 17 }, { 23, 18 }, { 24, 22 }, { 25, 23 }, { 26, 24 },
        { 27, 26 } };
    for (const auto& [lea, core] : pairs) {
        EXPECT_EQ(C::toExternalOrThrow(RecipeCustomization::CustomizationType(core)), lea) << core;
        EXPECT_EQ(C::toInternalOrThrow(lea::products::Customizations::CustomizationType(lea)), core) << lea;
    }
    EXPECT_EQ(C::toExternalOrThrow(RecipeCustomization::MilkAlternativeCustomization),
        lea::products::Customizations::Type7);
    EXPECT_EQ(C::convertibleExternalValues().size(), 25u);
    expectTable<C>(26, {}, { 3 });
}

// Record conversions that need the canisters of a loaded configuration.
class RecipeConverterTest : public CatalogueTest
{
protected:
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
    EXPECT_EQ(std::make_pair(recipe->cupType(), recipe->cupToDropFromTurret()),
        std::make_pair(Recipe::Mug, Product::FirstTurret));
    const QList<AbstractPreparationStep*> steps = recipe->preparationSteps();
    ASSERT_EQ(steps.size(), 3);
    EXPECT_EQ(std::make_pair(steps[0]->type(), steps[1]->type()),
        std::make_pair(
            AbstractPreparationStep::LongEspressoStep, AbstractPreparationStep::ShortEspressoStep));
    EXPECT_TRUE(
        qobject_cast<EspressoPreparationStep*>(steps[0]) && qobject_cast<EspressoPreparationStep*>(steps[1]));
    EXPECT_EQ(
        (QList<int> { steps[0]->dbId(), steps[1]->dbId(), steps[2]->dbId() }), (QList<int> { -1, -2, -3 }));
    const QList<AbstractIngredient*> ingredients = steps[2]->ingredients();
    ASSERT_EQ(ingredients.size(), 2);
    EXPECT_EQ((QList<int> { ingredients[0]->dbId(), ingredients[1]->dbId() }), (QList<int> { -1, -2 }));
    EXPECT_EQ(
        ingredients[0]->canister() ? ingredients[0]->canister()->logicalCanisterId() : Canister::NoIngredient,
        Canister::Chocolate);

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
    EXPECT_EQ(std::make_pair(read.preInfusionDose, read.pressureCurrent),
        std::make_pair(nonstd::optional<int32_t>(6),
            nonstd::optional<Recipes::Step::PressureCurrent>(Recipes::Step::HighCurrent)));
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
    EXPECT_EQ(std::make_pair(cycle->type, cycle->value),
        std::make_pair(Recipes::Ingredient::PowderCycle::Timed, 4));

    ingredient.setPowderCycle(static_cast<InstantIngredient::PowderCycle>(5), 4);
    EXPECT_THROW(IngredientConverter::coreIngredientToLeaIngredient(ingredient, step), std::invalid_argument);
}

} // namespace
