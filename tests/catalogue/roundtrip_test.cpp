#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/waterdosageadjustment.h"
#include "core/configuration/configurationmanager.h"
#include "support/cataloguetest.h"

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

/// One kind of catalogue object. `visit` reads the members of its objects; with `change`,
/// it first changes them and saves them through the core, and returns the members saved
/// (none if saving failed).
struct RoundTrip
{
    const char* name;
    std::function<QStringList(Configuration&, const TestCatalogue&, bool change)> visit;
    friend void PrintTo(const RoundTrip& trip, std::ostream* os) { *os << trip.name; }
};

class CatalogueRoundTrip : public CatalogueTest, public ::testing::WithParamInterface<RoundTrip>
{
};

// Fields that the bridge writes but that no products test reads back after a reload.
const RoundTrip kRoundTrips[] = {
    { "Recipe",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            Recipe& r = *c.recipe(ids.hotChocolate);
            if (change) {
                r.setName(QStringLiteral("Chocolate deluxe"));
                r.setHasCup(false);
                r.setExtraText(QString(QLatin1String(""))); // a present empty text stays present
                if (!c.loader()->saveRecipe(&r))
                    return QStringList();
            }
            return texts(r.name(), r.hasCup(), r.extraText(), r.preparationSteps().size());
        } },
    { "EspressoStep",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            auto& s = as<EspressoPreparationStep>(c.recipe(ids.espresso)->preparationSteps().value(0));
            if (change) {
                s.setDose(22); // in millilitres, stored in flowmeter pulses
                s.setPreInfusionDose(3);
                s.setPreInfusionTime(900);
                s.setSqueezeEnabled(false);
                s.setPressureCurrent(EspressoPreparationStep::LowCurrent);
                s.setExtraText(QStringLiteral("note"));
                if (!c.loader()->savePreparationStep(&s))
                    return QStringList();
            }
            return texts(s.dbId(), s.type(), s.water().dose(), s.dose(), s.waterVolume_ml(),
                AbstractPreparationStep::doseUnityToString(s.doseUnity()), s.preInfusionDose(),
                s.preInfusionTime(), s.squeezeEnabled(), s.pressureCurrent(), s.extraText());
        } },
    { "Ingredient",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            const AbstractPreparationStep& s = *c.recipe(ids.hotChocolate)->preparationSteps().value(0);
            AbstractIngredient& i = *s.ingredients().value(1);
            if (change) {
                i.setDose(14);
                i.setExtraText(QStringLiteral("fine"));
                if (!c.loader()->saveIngredient(&i, s.dbId()))
                    return QStringList();
            }
            return texts(s.ingredients().size(), i.dbId(), i.dose(), i.extraText());
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
    { "WaterAdjustment",
        [](Configuration& c, const TestCatalogue& ids, bool change) {
            const Recipe& r = *c.recipe(ids.cappuccino);
            auto& water = as<WaterDosageAdjustment>(r.customizationAdjustments().value(1));
            if (change) {
                water.setWaterDeltaMin(-5);
                water.setWaterDeltaMax(15);
                water.setExtraText(QStringLiteral("water"));
                if (!c.saveAdjustment(&water, ids.cappuccino))
                    return QStringList();
            }
            return texts(r.customizationAdjustments().size(), water.dbId(),
                water.customization() == r.customizations().value(1), water.stepType(), water.waterDeltaMin(),
                water.waterDeltaMax(), water.extraText());
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

INSTANTIATE_TEST_SUITE_P(Kinds, CatalogueRoundTrip, ::testing::ValuesIn(kRoundTrips), caseName<RoundTrip>);

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
