#include "support/cataloguetest.h"
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
#include <type_traits>

namespace {

template <class T> QString text(const T& value)
{
    if constexpr (std::is_same_v<T, QString>)
        return '"' + value + '"';
    else if constexpr (std::is_same_v<T, nonstd::optional<QString>>)
        return value ? text(*value) : QStringLiteral("none");
    else if constexpr (std::is_enum_v<T>)
        return QString::number(static_cast<int>(value));
    else
        return QString::number(value);
}

template <class T> QString text(const QList<T>& values)
{
    QStringList parts;
    for (const T& value : values)
        parts << text(value);
    return '[' + parts.join(',') + ']';
}

/// Members of catalogue objects as comparable texts.
template <class... T> QStringList texts(const T&... values)
{
    return { text(values)... };
}

template <class T> T& as(QObject* object)
{
    T* cast = qobject_cast<T*>(object);
    if (!cast)
        throw std::runtime_error("missing or of an unexpected class");
    return *cast;
}

Category& category(Configuration& c, int id)
{
    for (Category* category : c.getAllCategories(true)) {
        if (category->id() == id)
            return *category;
    }
    throw std::runtime_error("no such category");
}

/// One kind of catalogue object. `visit` reads the members of its objects; with `change`,
/// it first changes them and saves them through the core, and returns the members saved
/// (none if saving failed).
struct RoundTrip
{
    const char* name;
    std::function<QStringList(Configuration&, const TestCatalogue&, bool change)> visit;
};

std::ostream& operator<<(std::ostream& out, const RoundTrip& trip)
{
    return out << trip.name;
}

class CatalogueRoundTrip : public CatalogueTest, public ::testing::WithParamInterface<RoundTrip>
{
};

const RoundTrip kRoundTrips[] = {
    { "RecipeMembers",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            Recipe& r = *c.recipe(ids.hotChocolate);
            if (change) {
                r.setName(QStringLiteral("Chocolate deluxe"));
                r.setHasCup(false);
                r.setHasStirrer(false);
                r.setDripTimeCS(333);
                r.setCupType(Recipe::OwnCup);
                r.setCupToDropFromTurret(Product::SecondTurret);
                r.setHidden(true);
                r.setExtraText(QString(QLatin1String(""))); // a present empty text stays present
                if (!c.loader()->saveRecipe(&r))
                    return QStringList();
            }
            return texts(r.name(), r.hasCup(), r.hasStirrer(), r.dripTimeCS(), r.cupType(),
                r.cupToDropFromTurret(), r.isHidden(), r.extraText(), r.preparationSteps().size());
        } },
    { "EspressoStepMembers",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            auto& s = as<EspressoPreparationStep>(c.recipe(ids.espresso)->preparationSteps().value(0));
            if (change) {
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
                if (!c.loader()->savePreparationStep(&s))
                    return QStringList();
            }
            return texts(s.dbId(), s.type(), s.description(), s.waterType(), s.water().dose(), s.dose(),
                s.water().speed(), s.startDelayCS(), s.preInfusionDose(), s.preInfusionTime(),
                s.squeezeEnabled(), s.pressureCurrent(), s.extraText());
        } },
    { "InstantStepAndIngredient",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            auto& s = as<InstantPreparationStep>(c.recipe(ids.hotChocolate)->preparationSteps().value(0));
            auto& i = as<InstantIngredient>(s.ingredients().value(1));
            if (change) {
                s.setMixerSpeed(InstantPreparationStep::LowMixerSpeed);
                s.setMixerAbsoluteMixTime(false);
                i.setCanisterId(Canister::Sugar);
                i.setCanister(c.canisterByType(Canister::Sugar));
                i.setDose(14);
                i.setPowderSpeed(77);
                i.setPowderCycle(InstantIngredient::TimedPowderCycle, 9);
                i.setExtraText(nonstd::nullopt);
                if (!c.loader()->savePreparationStep(&s) || !c.loader()->saveIngredient(&i, s.dbId()))
                    return QStringList();
            }
            return texts(s.mixerSpeed(), s.mixerAbsoluteMixTime(), s.ingredients().size(), i.dbId(),
                i.logicalCanisterId(), i.canister() == c.canisterByType(i.logicalCanisterId()), i.dose(),
                i.powderSpeed(), i.powderCycle(), i.powderCycleValue(), i.extraText());
        } },
    { "CustomizationRowReplaced",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            const QList<RecipeCustomization*> stored = c.recipe(ids.cappuccino)->customizations();
            const RecipeCustomization* r = &as<RecipeCustomization>(stored.value(0));
            RecipeCustomization replacement(RecipeCustomization::CupCustomization, QStringLiteral("Cup"), 3,
                2, 6, 1.5f, 7, 2, RecipeCustomization::CupIcon, 10, 20);
            if (change) {
                replacement.setDbId(ids.sugarCustomization);
                replacement.setIsEnabled(false);
                replacement.setIsAvailable(false);
                replacement.setIsAdjustmentRequired(true);
                replacement.setExtraText(QStringLiteral("cups"));
                if (!c.saveCustomization(&replacement, -1))
                    return QStringList();
                r = &replacement;
            }
            return texts(r->dbId(), r->type(), r->name(), r->defaultIndex(), r->currentChoiceIndex(),
                       r->hundredPercentIndex(), r->stepCount(), r->costVariation(), r->horizontal(),
                       r->parameterKind(), r->iconType(), r->parameterMin(), r->parameterMax(),
                       r->isEnabled(), r->isAvailable(), r->isAdjustmentRequired())
                + texts(r->extraText(), stored.size());
        } },
    { "Adjustments",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            const Recipe& r = *c.recipe(ids.cappuccino);
            const QList<AbstractCustomizationAdjustment*> list = r.customizationAdjustments();
            auto& powder = as<PowderDosageAdjustment>(list.value(0));
            auto& water = as<WaterDosageAdjustment>(list.value(1));
            if (change) {
                powder.setPowderDeltaMin(-40);
                powder.setPowderDeltaMax(60);
                water.setWaterDeltaMin(-5);
                water.setWaterDeltaMax(15);
                water.setExtraText(QStringLiteral("water"));
                if (!c.saveAdjustment(&powder, ids.cappuccino) || !c.saveAdjustment(&water, ids.cappuccino))
                    return QStringList();
            }
            return texts(list.size(), powder.dbId(), powder.customization() == r.customizations().value(0),
                powder.logicalCanisterId(), powder.powderDeltaMin(), powder.powderDeltaMax(),
                powder.extraText(), water.customization() == r.customizations().value(1), water.stepType(),
                water.waterDeltaMin(), water.waterDeltaMax(), water.extraText());
        } },
    { "CanisterLevelAndCalibration",
        [](Configuration& c, const TestCatalogue&, bool change) {
            Canister& milk = as<Canister>(c.canisterByType(Canister::MilkPowder));
            Canister& beans = as<Canister>(c.canisterByType(Canister::CoffeeBeans));
            PowderLevel& level = *milk.powderLevel();
            if (change) {
                level.setEmptyCheckEnabled(false);
                level.setLevelSensorEnabled(true);
                level.setGramsEmptyTreshold(33);
                level.setWeightWhenFull(1500);
                milk.setCalibrationMin(15);
                beans.setCalibrationMax(95);
                if (!c.loader()->saveCanisterLevel(milk)
                    || !c.loader()->saveCanistersCalibration(c.canisters().values()))
                    return QStringList();
            }
            return texts(milk.id(), level.isEmptyCheckEnabled(), level.isLevelSensorEnabled(),
                level.gramsEmptyTreshold(), level.weightWhenFull(), level.currentValue(),
                milk.calibrationMin(), milk.allergens(), beans.calibrationMin(), beans.calibrationMax(),
                c.canisters().keys());
        } },
    { "CategoriesOrderAndScreen",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            QList<Category*> categories = c.getAllCategories(true);
            Category& seasonal = category(c, ids.categories.at(1));
            QList<int> order;
            for (const Category* category : categories)
                order << category->id();
            QStringList screen = texts(order, c.categoryScreenEnabled(), c.categoryFirstLayoutValue(),
                c.categorySecondLayoutValue());
            if (change) {
                seasonal.setCategoryType(Category::CustomCategory);
                seasonal.setTitle(QStringLiteral("Winter"));
                seasonal.setRows(4);
                seasonal.setColumns(5);
                seasonal.addProductId(-1);
                seasonal.addProductId(7);
                seasonal.setIsDisplayed(true);
                std::reverse(categories.begin(), categories.end());
                std::reverse(order.begin(), order.end());
                if (!c.saveCategoryInfos(&seasonal)
                    || !c.saveDisplayedCategories(c.id(), categories, 4, 1, false))
                    return QStringList();
                // The configuration learns the display settings only when it loads them.
                screen = texts(order, false, 4, 1);
            }
            return texts(seasonal.categoryType(), seasonal.title(), seasonal.rows(), seasonal.columns(),
                       seasonal.productIds(), seasonal.isDisplayed(), seasonal.isAvailable(),
                       category(c, ids.categories.at(2)).extraText())
                + screen;
        } },
    { "BeverageUnlinkedAndAllergens",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            Beverage* beverage = c.beverage(ids.hotChocolateBeverage);
            QString allergens = c.globalAllergens();
            if (change) {
                beverage->setRecipe(nullptr);
                allergens = QStringLiteral("celery");
                if (!c.saveBeverage(beverage) || !c.loader()->saveGlobalAllergens(c.id(), allergens))
                    return QStringList();
            }
            return texts(beverage->hasRecipe(),
                c.beverage(ids.espressoBeverage)->recipe() == c.recipe(ids.espresso), allergens);
        } },
    { "Translations",
        [](Configuration& c, const TestCatalogue&, bool change) {
            TranslationsManager& manager = *c.group().translationsManager();
            if (change) {
                manager.addTranslation(QStringLiteral("Cappuccino"), TypedString::RecipeName,
                    QLocale::Italian, QStringLiteral("Cappuccino italiano"));
                if (!manager.save())
                    return QStringList();
            }
            for (const TypedString* s : manager.typedStringsFromType(TypedString::RecipeName)) {
                if (s->originalString() == QStringLiteral("Cappuccino"))
                    return texts(
                        s->translations().value(QLocale::Italian), s->translations().value(QLocale::German));
            }
            return QStringList { QStringLiteral("no translations") };
        } },
};

} // namespace

TEST_P(CatalogueRoundTrip, SavedChangeComesBackFromTheDatabase)
{
    const QStringList seeded = GetParam().visit(configuration(), ids, false);
    const QStringList saved = GetParam().visit(configuration(), ids, true);
    ASSERT_FALSE(saved.isEmpty()) << "not saved";
    EXPECT_NE(saved, seeded);
    EXPECT_EQ(GetParam().visit(reload(), ids, false), saved);
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
