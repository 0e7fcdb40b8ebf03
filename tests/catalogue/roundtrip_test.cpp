#include "cataloguetest.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/category.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantingredient.h"
#include "core/catalogue/instantpreparationstep.h"
#include "core/catalogue/powderdosageadjustment.h"
#include "core/catalogue/waterdosageadjustment.h"
#include "core/configuration/translationsmanager.h"

#include <functional>

namespace {

/// One kind of catalogue object: a change saved through the core, and the check
/// that a configuration loaded afterwards from the same file shows it.
struct RoundTrip
{
    const char* name;
    std::function<bool(Configuration&, const TestCatalogue&)> change;
    std::function<void(Configuration&, const TestCatalogue&)> verify;
};

std::ostream& operator<<(std::ostream& out, const RoundTrip& trip)
{
    return out << trip.name;
}

class CatalogueRoundTrip : public CatalogueTest, public ::testing::WithParamInterface<RoundTrip>
{
};

Canister& canister(Configuration& configuration, Canister::LogicalCanisterId id)
{
    Canister* found = configuration.canisterByType(id);
    if (!found)
        throw std::runtime_error("no such canister");
    return *found;
}

template <class T> T& as(QObject& object)
{
    T* cast = qobject_cast<T*>(&object);
    if (!cast)
        throw std::runtime_error("unexpected class");
    return *cast;
}

const RoundTrip kRoundTrips[] = {
    { "RecipeMembers",
        [](Configuration& c, const TestCatalogue& ids) {
            Recipe& r = *c.recipe(ids.hotChocolate);
            r.setName(QStringLiteral("Chocolate deluxe"));
            r.setHasCup(false);
            r.setHasStirrer(false);
            r.setDripTimeCS(333);
            r.setCupType(Recipe::OwnCup);
            r.setCupToDropFromTurret(Product::SecondTurret);
            r.setHidden(true);
            r.setExtraText(QString(QLatin1String("")));
            return c.loader()->saveRecipe(&r);
        },
        [](Configuration& c, const TestCatalogue& ids) {
            const Recipe& r = *c.recipe(ids.hotChocolate);
            EXPECT_EQ(r.name(), QStringLiteral("Chocolate deluxe"));
            EXPECT_FALSE(r.hasCup());
            EXPECT_FALSE(r.hasStirrer());
            EXPECT_EQ(r.dripTimeCS(), 333);
            EXPECT_EQ(r.cupType(), Recipe::OwnCup);
            EXPECT_EQ(r.cupToDropFromTurret(), Product::SecondTurret);
            EXPECT_TRUE(r.isHidden());
            // A present empty text stays present.
            EXPECT_EQ(r.extraText(), nonstd::optional<QString>(QString(QLatin1String(""))));
            EXPECT_EQ(r.preparationSteps().size(), 2);
        } },
    { "EspressoStepMembers",
        [](Configuration& c, const TestCatalogue& ids) {
            auto& s = as<EspressoPreparationStep>(*c.recipe(ids.espresso)->preparationSteps().first());
            s.setDescription(QStringLiteral("Ristretto"));
            s.setWaterType(AbstractPreparationStep::HotWater);
            s.setDose(22);
            s.water().setSpeed(65);
            s.setStartDelayCS(7);
            s.setPreInfusionDose(3);
            s.setPreInfusionTime(900);
            s.setSqueezeEnabled(false);
            s.setPressureCurrent(EspressoPreparationStep::LowCurrent);
            s.setExtraText(QStringLiteral("note"));
            return c.loader()->savePreparationStep(&s);
        },
        [](Configuration& c, const TestCatalogue& ids) {
            auto& s = as<EspressoPreparationStep>(*c.recipe(ids.espresso)->preparationSteps().first());
            EXPECT_EQ(s.dbId(), ids.espressoSteps.first());
            EXPECT_EQ(s.type(), AbstractPreparationStep::EspressoStep);
            EXPECT_EQ(s.description(), QStringLiteral("Ristretto"));
            EXPECT_EQ(s.waterType(), AbstractPreparationStep::HotWater);
            EXPECT_EQ(s.water().dose(), 44);
            EXPECT_EQ(s.dose(), 22);
            EXPECT_EQ(s.water().speed(), 65);
            EXPECT_EQ(s.startDelayCS(), 7);
            EXPECT_EQ(s.preInfusionDose(), 3);
            EXPECT_EQ(s.preInfusionTime(), 900);
            EXPECT_FALSE(s.squeezeEnabled());
            EXPECT_EQ(s.pressureCurrent(), EspressoPreparationStep::LowCurrent);
            EXPECT_EQ(s.extraText(), nonstd::optional<QString>(QStringLiteral("note")));
        } },
    { "InstantStepAndIngredient",
        [](Configuration& c, const TestCatalogue& ids) {
            auto& s = as<InstantPreparationStep>(*c.recipe(ids.hotChocolate)->preparationSteps().first());
            s.setMixerSpeed(InstantPreparationStep::LowMixerSpeed);
            s.setMixerAbsoluteMixTime(false);
            auto& i = as<InstantIngredient>(*s.ingredients().at(1));
            i.setCanisterId(Canister::Sugar);
            i.setDose(14);
            i.setPowderSpeed(77);
            i.setPowderCycle(InstantIngredient::TimedPowderCycle, 9);
            i.setExtraText(nonstd::nullopt);
            return c.loader()->savePreparationStep(&s) && c.loader()->saveIngredient(&i, s.dbId());
        },
        [](Configuration& c, const TestCatalogue& ids) {
            auto& s = as<InstantPreparationStep>(*c.recipe(ids.hotChocolate)->preparationSteps().first());
            EXPECT_EQ(s.mixerSpeed(), InstantPreparationStep::LowMixerSpeed);
            EXPECT_FALSE(s.mixerAbsoluteMixTime());
            ASSERT_EQ(s.ingredients().size(), 2);
            auto& i = as<InstantIngredient>(*s.ingredients().at(1));
            EXPECT_EQ(i.dbId(), ids.stepIngredients.value(s.dbId()).at(1));
            EXPECT_EQ(i.logicalCanisterId(), Canister::Sugar);
            EXPECT_EQ(i.canister(), c.canisterByType(Canister::Sugar));
            EXPECT_EQ(i.dose(), 14);
            EXPECT_EQ(i.powderSpeed(), 77);
            EXPECT_EQ(i.powderCycle(), InstantIngredient::TimedPowderCycle);
            EXPECT_EQ(i.powderCycleValue(), 9);
            EXPECT_FALSE(i.extraText());
        } },
    { "CustomizationRowReplaced",
        [](Configuration& c, const TestCatalogue& ids) {
            RecipeCustomization replacement(RecipeCustomization::CupCustomization, QStringLiteral("Cup"), 3,
                2, 6, 1.5f, 7, 2, RecipeCustomization::CupIcon, 10, 20);
            replacement.setDbId(ids.sugarCustomization);
            replacement.setIsEnabled(false);
            replacement.setIsAvailable(false);
            replacement.setIsAdjustmentRequired(true);
            replacement.setExtraText(QStringLiteral("cups"));
            return c.saveCustomization(&replacement, -1);
        },
        [](Configuration& c, const TestCatalogue& ids) {
            const RecipeCustomization* r = c.recipe(ids.cappuccino)->customizations().first();
            EXPECT_EQ(r->dbId(), ids.sugarCustomization);
            EXPECT_EQ(r->type(), RecipeCustomization::CupCustomization);
            EXPECT_EQ(r->name(), QStringLiteral("Cup"));
            EXPECT_EQ(r->defaultIndex(), 3);
            EXPECT_EQ(r->currentChoiceIndex(), 3);
            EXPECT_EQ(r->hundredPercentIndex(), 2);
            EXPECT_EQ(r->stepCount(), 6);
            EXPECT_FLOAT_EQ(r->costVariation(), 1.5f);
            EXPECT_EQ(r->horizontal(), 7);
            EXPECT_EQ(r->parameterKind(), 2);
            EXPECT_EQ(r->iconType(), RecipeCustomization::CupIcon);
            EXPECT_EQ(r->parameterMin(), 10);
            EXPECT_EQ(r->parameterMax(), 20);
            EXPECT_FALSE(r->isEnabled());
            EXPECT_FALSE(r->isAvailable());
            EXPECT_TRUE(r->isAdjustmentRequired());
            EXPECT_EQ(r->extraText(), nonstd::optional<QString>(QStringLiteral("cups")));
            EXPECT_EQ(c.recipe(ids.cappuccino)->customizations().size(), 2);
        } },
    { "Adjustments",
        [](Configuration& c, const TestCatalogue& ids) {
            const QList<AbstractCustomizationAdjustment*> list
                = c.recipe(ids.cappuccino)->customizationAdjustments();
            auto& powder = as<PowderDosageAdjustment>(*list.at(0));
            powder.setPowderDeltaMin(-40);
            powder.setPowderDeltaMax(60);
            auto& water = as<WaterDosageAdjustment>(*list.at(1));
            water.setWaterDeltaMin(-5);
            water.setWaterDeltaMax(15);
            water.setExtraText(QStringLiteral("water"));
            return c.saveAdjustment(&powder, ids.cappuccino) && c.saveAdjustment(&water, ids.cappuccino);
        },
        [](Configuration& c, const TestCatalogue& ids) {
            const Recipe& r = *c.recipe(ids.cappuccino);
            const QList<AbstractCustomizationAdjustment*> list = r.customizationAdjustments();
            ASSERT_EQ(list.size(), 2);
            auto& powder = as<PowderDosageAdjustment>(*list.at(0));
            EXPECT_EQ(powder.dbId(), ids.sugarAdjustment);
            EXPECT_EQ(powder.customization(), r.customizations().at(0));
            EXPECT_EQ(powder.logicalCanisterId(), Canister::Sugar);
            EXPECT_EQ(powder.powderDeltaMin(), -40);
            EXPECT_EQ(powder.powderDeltaMax(), 60);
            EXPECT_EQ(powder.extraText(), nonstd::optional<QString>(QStringLiteral("sugar scale")));
            auto& water = as<WaterDosageAdjustment>(*list.at(1));
            EXPECT_EQ(water.customization(), r.customizations().at(1));
            EXPECT_EQ(water.stepType(), AbstractPreparationStep::InstantStep);
            EXPECT_EQ(water.waterDeltaMin(), -5);
            EXPECT_EQ(water.waterDeltaMax(), 15);
            EXPECT_EQ(water.extraText(), nonstd::optional<QString>(QStringLiteral("water")));
        } },
    { "CanisterLevelAndCalibration",
        [](Configuration& c, const TestCatalogue&) {
            Canister& milk = canister(c, Canister::MilkPowder);
            milk.powderLevel()->setEmptyCheckEnabled(false);
            milk.powderLevel()->setLevelSensorEnabled(true);
            milk.powderLevel()->setGramsEmptyTreshold(33);
            milk.powderLevel()->setWeightWhenFull(1500);
            milk.setCalibrationMin(15);
            Canister& beans = canister(c, Canister::CoffeeBeans);
            beans.setCalibrationMax(95);
            return c.loader()->saveCanisterLevel(milk)
                && c.loader()->saveCanistersCalibration(c.canisters().values());
        },
        [](Configuration& c, const TestCatalogue& ids) {
            const Canister& milk = canister(c, Canister::MilkPowder);
            EXPECT_EQ(milk.id(), ids.canisters.value(Canister::MilkPowder));
            EXPECT_FALSE(milk.powderLevel()->isEmptyCheckEnabled());
            EXPECT_TRUE(milk.powderLevel()->isLevelSensorEnabled());
            EXPECT_EQ(milk.powderLevel()->gramsEmptyTreshold(), 33);
            EXPECT_EQ(milk.powderLevel()->weightWhenFull(), 1500);
            EXPECT_EQ(milk.powderLevel()->currentValue(), 4200);
            EXPECT_EQ(milk.calibrationMin(), 15);
            EXPECT_EQ(milk.allergens(), QStringLiteral("milk,lactose"));
            EXPECT_EQ(canister(c, Canister::CoffeeBeans).calibrationMax(), 95);
            EXPECT_EQ(canister(c, Canister::CoffeeBeans).calibrationMin(), 20);
            EXPECT_EQ(c.canisters().keys(),
                (QList<Canister::LogicalCanisterId> { Canister::NoIngredient, Canister::CoffeeBeans,
                    Canister::MilkPowder, Canister::Chocolate, Canister::Sugar }));
        } },
    { "CategoriesOrderAndScreen",
        [](Configuration& c, const TestCatalogue&) {
            QList<Category*> categories = c.getAllCategories(true);
            Category& seasonal = *categories.at(1);
            seasonal.setCategoryType(Category::CustomCategory);
            seasonal.setTitle(QStringLiteral("Winter"));
            seasonal.setRows(4);
            seasonal.setColumns(5);
            seasonal.addProductId(-1);
            seasonal.addProductId(7);
            seasonal.setIsDisplayed(true);
            std::reverse(categories.begin(), categories.end());
            return c.saveCategoryInfos(&seasonal)
                && c.saveDisplayedCategories(c.id(), categories, 4, 1, false);
        },
        [](Configuration& c, const TestCatalogue& ids) {
            QList<int> order;
            for (const Category* category : c.getAllCategories(true))
                order << category->id();
            EXPECT_EQ(order,
                (QList<int> { ids.categories[3], ids.categories[2], ids.categories[1], ids.categories[0] }));
            const Category& winter = *c.getAllCategories(true).at(2);
            EXPECT_EQ(winter.categoryType(), Category::CustomCategory);
            EXPECT_EQ(winter.title(), QStringLiteral("Winter"));
            EXPECT_EQ(winter.rows(), 4);
            EXPECT_EQ(winter.columns(), 5);
            EXPECT_EQ(winter.productIds(), (QList<int> { -1, 7 }));
            EXPECT_TRUE(winter.isDisplayed());
            EXPECT_TRUE(winter.isAvailable());
            EXPECT_EQ(c.getAllCategories(true).at(1)->extraText(),
                nonstd::optional<QString>(QStringLiteral("grouping")));
            EXPECT_FALSE(c.categoryScreenEnabled());
            EXPECT_EQ(c.categoryFirstLayoutValue(), 4);
            EXPECT_EQ(c.categorySecondLayoutValue(), 1);
        } },
    { "BeverageUnlinkedAndAllergens",
        [](Configuration& c, const TestCatalogue& ids) {
            Beverage* beverage = c.beverage(ids.hotChocolateBeverage);
            beverage->setRecipe(nullptr);
            return c.saveBeverage(beverage)
                && c.loader()->saveGlobalAllergens(c.id(), QStringLiteral("celery"));
        },
        [](Configuration& c, const TestCatalogue& ids) {
            EXPECT_FALSE(c.beverage(ids.hotChocolateBeverage)->hasRecipe());
            EXPECT_EQ(c.beverage(ids.espressoBeverage)->recipe(), c.recipe(ids.espresso));
            EXPECT_EQ(c.globalAllergens(), QStringLiteral("celery"));
        } },
    { "Translations",
        [](Configuration& c, const TestCatalogue&) {
            TranslationsManager& manager = *c.group().translationsManager();
            manager.addTranslation(QStringLiteral("Cappuccino"), TypedString::RecipeName, QLocale::Italian,
                QStringLiteral("Cappuccino italiano"));
            return manager.save();
        },
        [](Configuration& c, const TestCatalogue&) {
            QMap<QLocale::Language, QString> texts;
            for (const TypedString* s :
                c.group().translationsManager()->typedStringsFromType(TypedString::RecipeName)) {
                if (s->originalString() == QStringLiteral("Cappuccino"))
                    texts = s->translations();
            }
            EXPECT_EQ(texts.value(QLocale::Italian), QStringLiteral("Cappuccino italiano"));
            EXPECT_EQ(texts.value(QLocale::German), QStringLiteral("Cappuccino"));
        } },
};

} // namespace

TEST_P(CatalogueRoundTrip, SavedChangeComesBackFromTheDatabase)
{
    ASSERT_TRUE(GetParam().change(configuration(), ids));
    GetParam().verify(reload(), ids);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CatalogueRoundTrip, ::testing::ValuesIn(kRoundTrips),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST_F(CatalogueTest, SeededCatalogueLoadsWhole)
{
    const Configuration& c = configuration();
    QList<int> recipes;
    for (const Recipe* r : c.recipes())
        recipes << r->dbId();
    EXPECT_EQ(recipes, (QList<int> { ids.espresso, ids.hotChocolate, ids.cappuccino }));
    EXPECT_EQ(stepIds(recipe(ids.espresso)), ids.espressoSteps);
    EXPECT_EQ(stepIds(recipe(ids.hotChocolate)), ids.hotChocolateSteps);
    EXPECT_EQ(stepIds(recipe(ids.cappuccino)), ids.cappuccinoSteps);
    for (const int stepId : ids.cappuccinoSteps) {
        QList<int> ingredients;
        for (const AbstractIngredient* i : step(ids.cappuccino, stepId).ingredientsConst())
            ingredients << i->dbId();
        EXPECT_EQ(ingredients, ids.stepIngredients.value(stepId));
    }
    EXPECT_TRUE(recipe(ids.cappuccino).isValidForLayout());
    EXPECT_EQ(c.allIngredients().size(), 2 + 2 + 4);
    EXPECT_EQ(c.allCustomizations().size(), 3);
    EXPECT_EQ(
        recipe(ids.cappuccino).customizationByType(RecipeCustomization::MilkAlternativeCustomization)->dbId(),
        ids.milkCustomization);
    EXPECT_EQ(c.getAllCategories(true).size(), 4);
    EXPECT_TRUE(c.categoryScreenEnabled());
    EXPECT_EQ(c.globalAllergens(), QStringLiteral("gluten,nuts"));
}

TEST_F(CatalogueTest, NewRecipeGetsItsIdAndLoadsWithItsChain)
{
    Recipe fresh(QStringLiteral("Americano"), true, false, 90, Recipe::LargeCup, Product::FirstTurret, false);
    ASSERT_TRUE(loader().saveRecipe(&fresh));
    ASSERT_GE(fresh.dbId(), 0);
    const QList<int> steps { ids.hotChocolateSteps.at(1), ids.espressoSteps.at(0) };
    ASSERT_TRUE(loader().addStepToRecipe(fresh.dbId(), steps.at(0), -1));
    ASSERT_TRUE(loader().addStepToRecipe(fresh.dbId(), steps.at(1), steps.at(0)));

    std::unique_ptr<Recipe> loaded = configuration().loadAndFillRecipe(fresh.dbId());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->name(), QStringLiteral("Americano"));
    EXPECT_EQ(stepIds(*loaded), steps);
    EXPECT_FALSE(configuration().recipe(fresh.dbId()));
    Recipe* appended = configuration().appendLoadedRecipe(std::move(loaded));
    EXPECT_EQ(configuration().recipe(fresh.dbId()), appended);
    EXPECT_EQ(configuration().loadAndFillRecipe(fresh.dbId() + 100), nullptr);
}
