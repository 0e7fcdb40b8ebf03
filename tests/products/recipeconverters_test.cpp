#include "bridge/products/cuptypeconverter.h"
#include "bridge/products/ingredientconverter.h"
#include "bridge/products/ingredienttypeconverter.h"
#include "bridge/products/mixerspeedconverter.h"
#include "bridge/products/powdercycleconverter.h"
#include "bridge/products/pressurecurrentconverter.h"
#include "bridge/products/recipeconverter.h"
#include "bridge/products/stepconverter.h"
#include "bridge/products/steptypeconverter.h"
#include "bridge/products/watertypeconverter.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantingredient.h"
#include "core/catalogue/instantpreparationstep.h"
#include "core/catalogue/wateronlypreparationstep.h"
#include "support/catalogue.h"
#include "support/machinetest.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using Recipes = lea::products::Recipes;
using FlatRecipes = lea::products::FlatRecipes;
using Pairs = std::vector<std::pair<int, int>>; // (core, interface)

// The value tables as the machine and the interface agree on them.
struct CupTypes
{
    using Converter = bridge::products::CupTypeConverter;
    static Pairs pairs() { return { { 0, 0 }, { 3, 1 }, { 1, 2 }, { 2, 3 } }; }
    static std::vector<int> coreOnly() { return { -1, 4 }; }
    static std::vector<int> interfaceOnly() { return { 4 }; }
};

struct StepTypes
{
    using Converter = bridge::products::StepTypeConverter;
    static Pairs pairs()
    {
        return { { 1, 0 }, { 2, 1 }, { 5, 2 }, { 9, 3 }, { 3, 4 }, { 8, 6 }, { 6, 7 }, { 4, 8 }, { 7, 9 } };
    }
    static std::vector<int> coreOnly() { return { 0, 10 }; }
    static std::vector<int> interfaceOnly() { return { 5, 10 }; }
};

struct IngredientTypes
{
    using Converter = bridge::products::IngredientTypeConverter;
    static Pairs pairs() { return { { 2, 0 }, { 3, 1 }, { 4, 2 }, { 5, 3 } }; }
    static std::vector<int> coreOnly() { return { 0, 1, 6 }; }
    static std::vector<int> interfaceOnly() { return { -1, 4 }; }
};

struct MixerSpeeds
{
    using Converter = bridge::products::MixerSpeedConverter;
    static Pairs pairs() { return { { 0, 0 }, { 1, 1 }, { 2, 2 } }; }
    static std::vector<int> coreOnly() { return { 3 }; }
    static std::vector<int> interfaceOnly() { return { 3, 7 }; }
};

struct PressureCurrents
{
    using Converter = bridge::products::PressureCurrentConverter;
    static Pairs pairs() { return { { 0, 0 }, { 1, 1 }, { 2, 2 } }; }
    static std::vector<int> coreOnly() { return { -1, 3 }; }
    static std::vector<int> interfaceOnly() { return { 3 }; }
};

struct PowderCycles
{
    using Converter = bridge::products::PowderCycleConverter;
    static Pairs pairs() { return { { 0, 0 }, { 1, 1 } }; }
    static std::vector<int> coreOnly() { return { -1, 2 }; }
    static std::vector<int> interfaceOnly() { return { 2 }; }
};

struct WaterTypes
{
    using Converter = bridge::products::WaterTypeConverter;
    static Pairs pairs()
    {
        Pairs pairs { { 4, 0 }, { 45, 1 }, { 27, 2 }, { 2, 3 }, { 16, 4 }, { 7, 5 }, { 3, 7 }, { 0, 8 },
            { 1, 9 }, { 255, 53 } };
        const int tenToNineteen[] = { 5, 6, 8, 9, 10, 11, 12, 13, 14, 15 };
        for (int k = 0; k < 10; ++k)
            pairs.emplace_back(tenToNineteen[k], 10 + k);
        for (int core = 17; core <= 26; ++core)
            pairs.emplace_back(core, core + 3);
        for (int core = 28; core <= 44; ++core)
            pairs.emplace_back(core, core + 2);
        for (int core = 46; core <= 50; ++core)
            pairs.emplace_back(core, core + 1);
        return pairs;
    }
    static std::vector<int> coreOnly() { return { 51, 100, 254, -1 }; }
    static std::vector<int> interfaceOnly() { return { 6, 52, 54 }; }
};

template <class Table> class RecipeEnumTable : public ::testing::Test
{
};

using Tables = ::testing::Types<CupTypes, StepTypes, IngredientTypes, MixerSpeeds, PressureCurrents,
    PowderCycles, WaterTypes>;
TYPED_TEST_SUITE(RecipeEnumTable, Tables);

TYPED_TEST(RecipeEnumTable, ConvertsExactlyTheListedPairsBothWays)
{
    using C = typename TypeParam::Converter;
    using Internal = typename C::Internal;
    using External = typename C::External;
    const Pairs pairs = TypeParam::pairs();
    for (const auto& [core, lea] : pairs) {
        EXPECT_EQ(C::toExternalOrThrow(static_cast<Internal>(core)), static_cast<External>(lea)) << core;
        EXPECT_EQ(C::toInternalOrThrow(static_cast<External>(lea)), static_cast<Internal>(core)) << lea;
    }
    EXPECT_EQ(C::convertibleInternalValues().size(), pairs.size());
    EXPECT_EQ(C::convertibleExternalValues().size(), pairs.size());
}

TYPED_TEST(RecipeEnumTable, UnlistedValuesAreRejectedWithTheirNumber)
{
    using C = typename TypeParam::Converter;
    for (const int core : TypeParam::coreOnly()) {
        const auto value = static_cast<typename C::Internal>(core);
        EXPECT_FALSE(C::toExternalOpt(value)) << core;
        const std::string expected
            = "Invalid internal enum value " + std::to_string(core) + " (" + C::converter() + ")";
        try {
            C::toExternalOrThrow(value);
            ADD_FAILURE() << "converted " << core;
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(e.what(), expected);
        }
    }
    for (const int lea : TypeParam::interfaceOnly()) {
        EXPECT_FALSE(C::toInternalOpt(static_cast<typename C::External>(lea))) << lea;
        EXPECT_THROW(C::toInternalOrThrow(static_cast<typename C::External>(lea)), std::invalid_argument)
            << lea;
    }
}

// Record conversions that need the canisters of a loaded configuration.
class RecipeConverterTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        seedTestCatalogue(machine().core());
        ASSERT_NE(loadConfiguration(), nullptr);
    }

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
};

TEST_F(RecipeConverterTest, FlatRecipeBuildsEveryEspressoKindWithTemporaryIds)
{
    FlatRecipes::Recipe flat;
    flat.name = QStringLiteral("Custom");
    flat.cupType = Recipes::Mug;
    flat.steps = { flatStep(Recipes::LongEspresso), flatStep(Recipes::ShortEspresso),
        flatStep(Recipes::Instant, { chocolate(20), chocolate(5) }) };

    const std::unique_ptr<Recipe> recipe = bridge::products::RecipeConverter::leaRecipeToCoreRecipe(flat);
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
    EXPECT_EQ(ingredients[0]->dbId(), -1);
    EXPECT_EQ(ingredients[1]->dbId(), -2);
    ASSERT_NE(ingredients[0]->canister(), nullptr);
    EXPECT_EQ(ingredients[0]->canister()->logicalCanisterId(), Canister::Chocolate);
}

TEST_F(RecipeConverterTest, FlatRecipeWithAStepKindTheMachineCannotMakeIsRefused)
{
    FlatRecipes::Recipe flat;
    flat.steps = { flatStep(Recipes::Espresso), flatStep(Recipes::FreshMilk) };
    EXPECT_EQ(bridge::products::RecipeConverter::leaRecipeToCoreRecipe(flat), nullptr);
}

TEST_F(RecipeConverterTest, UnconvertibleValueAfterBuiltStepsThrowsWithoutLeaking)
{
    // The sanitizer build reports anything left behind by the throws.
    FlatRecipes::Recipe flat;
    FlatRecipes::Step badMixer = flatStep(Recipes::Instant, { chocolate(10) });
    badMixer.mixer = Recipes::Step::Mixer { static_cast<Recipes::Step::Mixer::Speed>(7), false };
    flat.steps = { flatStep(Recipes::Espresso), badMixer };
    EXPECT_THROW(bridge::products::RecipeConverter::leaRecipeToCoreRecipe(flat), std::invalid_argument);

    Recipes::Ingredient unknownCanister = chocolate(10);
    unknownCanister.logicalIngredient = lea::products::Canisters::Ingredient36;
    flat.steps = { flatStep(Recipes::Instant, { chocolate(10), unknownCanister }) };
    EXPECT_THROW(bridge::products::RecipeConverter::leaRecipeToCoreRecipe(flat), std::invalid_argument);
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
    const Recipes::Step readLong = bridge::products::StepConverter::coreStepToLeaStep(longEspresso);
    EXPECT_EQ(readLong.type, Recipes::LongEspresso);
    EXPECT_FALSE(readLong.preInfusionDose || readLong.preInfusionTime || readLong.squeezeEnabled
        || readLong.pressureCurrent);
}

TEST_F(RecipeConverterTest, PowderCycleIsAbsentForAContinuousAuger)
{
    WaterOnlyPreparationStep step;
    InstantIngredient ingredient;
    ingredient.setCanisterId(Canister::Chocolate);
    ingredient.setType(AbstractIngredient::InstantIngredientType);
    using bridge::products::IngredientConverter;
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
