// The catalogue accessors under a database that fails them: a trigger that
// refuses one statement, a read-only, locked, damaged or deleted database, and
// writes the bridge itself refuses. Whatever happens, a write reports what the
// database did and the loaded objects agree with it afterwards.

#include "products/records.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>

namespace {

using Recipes = lea::products::Recipes;
using Customizations = lea::products::Customizations;
using Categories = lea::products::Categories;
using Canisters = lea::products::Canisters;

/// The four catalogue accessors, and ids of the test catalogue.
struct Accessors
{
    const TestCatalogue& ids;
    bridge::products::Recipes recipes { nullptr };
    bridge::products::Customizations customizations { nullptr };
    bridge::products::Categories categories { nullptr };
    bridge::products::Canisters canisters { nullptr };
    const RId espresso { unsigned(ids.espresso) }, hotChocolate { unsigned(ids.hotChocolate) },
        cappuccino { unsigned(ids.cappuccino) };
    /// The hot chocolate's mixing step with its chocolate and milk powder, and its water step.
    const SId mix { unsigned(ids.hotChocolateSteps[0]) }, topUp { unsigned(ids.hotChocolateSteps[1]) };
    const IId chocolate { unsigned(ids.stepIngredients[ids.hotChocolateSteps[0]][0]) },
        milk { unsigned(ids.stepIngredients[ids.hotChocolateSteps[0]][1]) };
    const SId extraction { unsigned(ids.espressoSteps[0]) };
    const CId sugar { unsigned(ids.sugarCustomization) };
    const AId sugarAdjustment { unsigned(ids.sugarAdjustment) };
    const lea::CategoryDbId hotDrinks { unsigned(ids.categories[0]) };
    const lea::CanisterDbId beans { unsigned(ids.canisters[Canister::CoffeeBeans]) };
    /// Whether a create answered with an id.
    bool reported = false;

    template <class Id> void report(const Id& id) { reported = reported || bool(id); }
    void addCustomization(const char* name, Customizations::CustomizationType type, RId recipe)
    {
        report(customizations.addCustomization(customizationRecord(name, type), recipe));
    }
    void addAdjustment(CId customization, RId recipe)
    {
        report(customizations.addAdjustment(powderRecord(0, 1), customization, recipe));
    }
};

/// The catalogue as the accessors read it.
QStringList view(const Accessors& a)
{
    QStringList lines;
    const auto line = [&](QString format, const auto&... values) {
        ((format = format.arg(values)), ...);
        lines << format;
    };
    for (const auto& [id, recipe] : a.recipes.recipes()) {
        line("recipe %1 %2 %3", id.value(), recipe.name, recipe.dripTime_cs);
        for (const SId stepId : recipe.steps) {
            const Recipes::Step step = a.recipes.step(stepId).value_or(Recipes::Step {});
            line(" step %1 %2 %3 %4", stepId.value(), step.description, step.waterDose, step.waterSpeed);
            for (const IId ingredientId : step.ingredients) {
                const auto ingredient = a.recipes.ingredient(ingredientId).value_or(Recipes::Ingredient {});
                line("  ingredient %1 %2 %3", ingredientId.value(), ingredient.type, ingredient.dose);
            }
        }
        for (const CId customizationId : recipe.customizations) {
            const auto c
                = a.customizations.customization(customizationId).value_or(Customizations::Customization {});
            line(" customization %1 %2 %3 %4", customizationId.value(), c.name, c.stepCount,
                c.translations.size());
            for (const lea::CustomizationAdjustmentDbId adjustmentId : c.adjustments) {
                const auto adjustment
                    = a.customizations.adjustment(adjustmentId).value_or(Customizations::Adjustment {});
                const auto powder = adjustment.powder.value_or(Customizations::Adjustment::Powder {});
                line("  adjustment %1 %2 %3 %4", adjustmentId.value(), powder.deltaMin, powder.deltaMax,
                    adjustment.extraText.value_or(QStringLiteral("-")));
            }
        }
    }
    for (const auto& [id, category] : a.categories.categories())
        line("category %1 %2 %3", id ? int(id->value()) : -1, category.position.value_or(99), category.title);
    const Categories::Config config = a.categories.config();
    line("screen %1 %2 %3", config.enabled, config.firstLayoutValue, config.secondLayoutValue);
    for (const auto& l : a.canisters.levels())
        line("level %1 %2 %3 %4 %5 %6", l.canister.value(), l.emptyCheckEnabled, l.levelSensorEnabled,
            l.gramsEmptyThreshold, l.weightWhenFull, l.currentLevel);
    for (const auto& c : a.canisters.calibrations())
        line("calibration %1 %2 %3", c.canister.value(), c.calibrationMin, c.calibrationMax);
    return lines;
}

class FaultTest : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        a.reset(new Accessors { ids });
    }
    void TearDown() override
    {
        a.reset();
        unlock();
        m_locker = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("locker"));
        CatalogueTest::TearDown();
    }

    void lockFromAnotherConnection()
    {
        m_locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
        m_locker.setDatabaseName(databasePath());
        ASSERT_TRUE(m_locker.open());
        ASSERT_TRUE(QSqlQuery(m_locker).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }

    void unlock()
    {
        m_locker.rollback();
        m_locker.close();
    }

    std::unique_ptr<Accessors> a;
    QSqlDatabase m_locker;
};

// A write that a trigger on `trigger` refuses, or the bridge when there is
// none, and the line it logs `times` over; without a line, a record the
// bridge cannot convert, refused with an exception.
struct Write
{
    /// The operation, with a variant after '_': the logged signature names the operation.
    const char* name;
    const char* trigger;
    const char* logged;
    LogLevel::Level level;
    std::function<void(Accessors&)> write;
    /// A table the write needs: the faults of the whole database run the write too.
    const char* table = nullptr;
    int times = 1;
};

const Categories::Category kColdDrinks
    = categoryRecord(Categories::Type0, false, "Cold drinks", german("Kaltgetränke"));
const Categories::Config kOtherScreen { false, 7, 1 };
const LogLevel::Level W = LogLevel::Warning, E = LogLevel::Error;

const Write kWrites[] = {
    // Recipes
    { "createRecipe", "INSERT ON Recipes", "Failed saving recipe", W,
        [](Accessors& a) { a.report(a.recipes.createRecipe(recipeRecord("Refused"))); } },
    { "createRecipe_LinkingSteps", "INSERT ON Recipe_Steps", "Failed saving recipe", W,
        [](Accessors& a) { a.report(a.recipes.createRecipe(recipeRecord("Lungo", { a.topUp }))); },
        "Recipe_Steps" },
    { "createStep", "INSERT ON PreparationSteps", "Failed creating step", W,
        [](Accessors& a) { a.report(a.recipes.createStep(stepRecord(Recipes::Tea))); } },
    // Interface types 2, 3 and 9 have no step of their own: only a flat recipe builds them.
    { "newCoreStepFromType_OfAFlatKind", nullptr, "Invalid step type", W,
        [](Accessors& a) {
            for (const auto type : { Recipes::LongEspresso, Recipes::ShortEspresso, Recipes::FreshMilk })
                a.report(a.recipes.createStep(stepRecord(type)));
        },
        nullptr, 3 },
    { "createIngredient", "INSERT ON Ingredients", "Failed creating new ingredient", W,
        [](Accessors& a) { a.report(a.recipes.createIngredient(chocolate(5), a.mix)); } },
    { "updateRecipe", "UPDATE ON Recipes", "Failed saving recipe", W,
        [](Accessors& a) {
            Recipes::Recipe record = *a.recipes.recipe(a.espresso);
            record.dripTime_cs = 300;
            a.recipes.updateRecipe(a.espresso, record);
        },
        "Recipes" },
    { "updateStep", "UPDATE ON PreparationSteps", "Failed saving step", E,
        [](Accessors& a) {
            Recipes::Step record = *a.recipes.step(a.topUp);
            record.description = QStringLiteral("Changed");
            record.waterDose = 99;
            a.recipes.updateStep(a.topUp, record);
        },
        "PreparationSteps" },
    { "updateIngredient", "UPDATE ON Ingredients", "Failed saving ingredient", E,
        [](Accessors& a) { a.recipes.updateIngredient(a.chocolate, a.mix, chocolate(40)); } },
    { "updateIngredient_Type", nullptr, "Cannot change ingredient type", W,
        [](Accessors& a) {
            Recipes::Ingredient record = chocolate(99);
            record.type = Recipes::IngredientEspresso;
            a.recipes.updateIngredient(a.chocolate, a.mix, record);
        } },
    { "updateIngredient_OfAnotherStep", nullptr, "Ingredient not found in step", W,
        [](Accessors& a) { a.recipes.updateIngredient(a.chocolate, a.extraction, chocolate(40)); } },
    { "deleteRecipe", "DELETE ON Recipes", "Failed deleting recipe from database", E,
        [](Accessors& a) { a.recipes.deleteRecipe(a.cappuccino); }, "Recipe_Customizations" },
    { "reorderRecipeSteps", "INSERT ON Recipe_Steps", "Failed saving recipe steps", E,
        [](Accessors& a) {
            Recipes::Recipe record = *a.recipes.recipe(a.cappuccino);
            std::reverse(record.steps.begin(), record.steps.end());
            a.recipes.reorderRecipeSteps(a.cappuccino, record);
        },
        "Recipe_Steps" },
    { "deleteStep", "DELETE ON PreparationSteps", "Failed deleting step from database", E,
        [](Accessors& a) { a.recipes.deleteStep(a.mix, a.hotChocolate); }, "Ingredients" },
    { "deleteStep_OfAnotherRecipe", nullptr, "Failed to get core and recipe in configuration", W,
        [](Accessors& a) { a.recipes.deleteStep(a.mix, a.espresso); } },
    { "deleteIngredient", "DELETE ON Ingredients", "Failed deleting ingredient from database", E,
        [](Accessors& a) { a.recipes.deleteIngredient(a.milk, a.mix); }, "Ingredients" },
    { "deleteIngredient_OfAnotherStep", nullptr, "Ingredient not found in step", W,
        [](Accessors& a) { a.recipes.deleteIngredient(a.milk, a.extraction); } },
    { "createStep_OfAnUnknownMixerSpeed", nullptr, nullptr, E,
        [](Accessors& a) {
            Recipes::Step step = stepRecord(Recipes::Instant);
            step.mixer = Recipes::Step::Mixer { static_cast<Recipes::Step::Mixer::Speed>(7), false };
            a.report(a.recipes.createStep(step));
        } },
    { "createStep_TeskMilk", nullptr, nullptr, E,
        [](Accessors& a) { a.report(a.recipes.createStep(stepRecord(Recipes::TeskMilk))); } },
    { "createIngredient_OfAnUnknownCanister", nullptr, nullptr, E,
        [](Accessors& a) {
            a.report(a.recipes.createIngredient(instantIngredient(Canisters::Ingredient36, 5), a.mix));
        } },
    { "updateStep_OfAnUnknownPressureCurrent", nullptr, nullptr, E,
        [](Accessors& a) {
            Recipes::Step record = *a.recipes.step(a.extraction);
            record.description = QStringLiteral("Changed");
            record.pressureCurrent = static_cast<Recipes::Step::PressureCurrent>(3);
            a.recipes.updateStep(a.extraction, record);
        } },
    // Customizations
    { "addCustomization_OfType3", nullptr, nullptr, E,
        [](Accessors& a) { a.addCustomization("Legacy", Customizations::Type3, a.cappuccino); } },
    { "addAdjustment_OfStepType5", nullptr, nullptr, E,
        [](Accessors& a) {
            Customizations::Adjustment water;
            water.water = Customizations::Adjustment::Water { Recipes::StepType(5), 0, 1 };
            a.report(
                a.customizations.addAdjustment(water, CId(unsigned(a.ids.milkCustomization)), a.cappuccino));
        } },
    { "addCustomization", "INSERT ON Customizations", "Failed saving customization to database", W,
        [](Accessors& a) { a.addCustomization("Foam", Customizations::Type1, a.cappuccino); } },
    { "addCustomization_ToNoRecipe", nullptr, "Recipe not found in configuration", W,
        [](Accessors& a) { a.addCustomization("Foam", Customizations::Type1, RId(9999)); } },
    { "updateCustomization", "UPDATE ON Customizations", "Failed saving customization to database", W,
        [](Accessors& a) {
            a.customizations.updateCustomization(
                a.sugar, customizationRecord("Sweetness", Customizations::Sugar));
        } },
    { "updateCustomization_OfNone", nullptr, "can't find requested customization", E,
        [](Accessors& a) { a.customizations.updateCustomization(CId(9999), {}); } },
    { "addAdjustment", "INSERT ON Adjustments", "Failed saving adjustment to database", W,
        [](Accessors& a) { a.addAdjustment(a.sugar, a.cappuccino); } },
    { "addAdjustment_OfNoCustomization", nullptr, "Customization not found in configuration", W,
        [](Accessors& a) { a.addAdjustment(CId(9999), a.cappuccino); } },
    { "addAdjustment_ToNoRecipe", nullptr, "Recipe not found in configuration", W,
        [](Accessors& a) { a.addAdjustment(a.sugar, RId(9999)); } },
    // The espresso does not offer the cappuccino's sugar: its adjustment would be lost on the next load.
    { "addAdjustment_ForAnotherRecipe", nullptr, "Customization not found in recipe", W,
        [](Accessors& a) { a.addAdjustment(a.sugar, a.espresso); } },
    { "updateAdjustment", "UPDATE ON Adjustments", "Failed saving adjustment to database", W,
        [](Accessors& a) { a.customizations.updateAdjustment(a.sugarAdjustment, powderRecord(-5, 5)); } },
    { "updateAdjustment_OfAnotherKind", nullptr, "Cannot update adjustment", E,
        [](Accessors& a) {
            Customizations::Adjustment water;
            water.water = Customizations::Adjustment::Water { Recipes::Instant, 0, 5 };
            water.extraText = QStringLiteral("ignored");
            a.customizations.updateAdjustment(a.sugarAdjustment, water);
        } },
    { "deleteAdjustment", "DELETE ON Adjustments", "Failed deleting adjustment from database", E,
        [](Accessors& a) { a.customizations.deleteAdjustment(a.sugarAdjustment); } },
    { "deleteCustomizationImp", "DELETE ON Recipe_Customizations",
        "Failed deleting customization from database", E,
        [](Accessors& a) { a.customizations.deleteCustomization(a.sugar); }, "Recipe_Customizations" },
    // Categories
    { "addCategory", "INSERT ON Categories", "Failed saving category to database", W,
        [](Accessors& a) { a.report(a.categories.addCategory(kColdDrinks)); }, "Category_Products" },
    { "updateCategory", "UPDATE ON Categories", "Failed saving category to database", W,
        [](Accessors& a) { a.categories.updateCategory(a.hotDrinks, kColdDrinks); } },
    { "removeCategory", "DELETE ON Categories", "Failed deleting category from database", E,
        [](Accessors& a) { a.categories.removeCategory(a.hotDrinks); }, "Category_Products" },
    { "setDisplayedCategories", "UPDATE ON Categories", "Failed saving displayed categories to database", E,
        [](Accessors& a) { a.categories.setDisplayedCategories({ a.hotDrinks }); } },
    { "setConfig", "UPDATE ON Category_Screen", "Failed saving displayed categories to database", E,
        [](Accessors& a) { a.categories.setConfig(kOtherScreen); } },
    { "setImagePath", "UPDATE ON Categories", "Failed saving category to database", W,
        [](Accessors& a) { a.categories.setImagePath(a.hotDrinks, QFileInfo("x.png")); } },
    { "addCategory_OfType9", nullptr, nullptr, E,
        [](Accessors& a) {
            a.report(a.categories.addCategory(categoryRecord(Categories::Type(9), true, "Renamed")));
        } },
    { "updateCategory_OfType9", nullptr, nullptr, E,
        [](Accessors& a) {
            a.categories.updateCategory(a.hotDrinks, categoryRecord(Categories::Type(9), true, "Renamed"));
        } },
    // Canisters
    { "setLevels", "UPDATE ON Canisters", "Failed saving canister", E,
        [](Accessors& a) {
            a.canisters.setLevels({ Canisters::CanisterLevel { a.beans, false, false, 40, 3000, 0 } });
        } },
    { "setCalibrations", "UPDATE ON Canisters", "Failed saving canister", E,
        [](Accessors& a) {
            a.canisters.setCalibrations({ Canisters::CanisterCalibration { a.beans, 30, 60 } });
        },
        "Canisters" },
};

/// The writes that name a table.
std::vector<Write> tableWrites()
{
    std::vector<Write> writes;
    std::copy_if(std::begin(kWrites), std::end(kWrites), std::back_inserter(writes),
        [](const Write& write) { return write.table; });
    return writes;
}

// Refused: by the write's trigger, or the bridge.
enum class Fault { Refused, ReadOnly, Locked, TableDropped, FileDeleted };

class DatabaseFault : public FaultTest, public ::testing::WithParamInterface<std::tuple<Fault, Write>>
{
protected:
    /// The lines the refused write logged: the operation's signature, the level and the text.
    static void expectLogged(const Write& write)
    {
        const QList<LogEntry> entries = logEntriesContaining(QLatin1String(write.logged));
        EXPECT_EQ(entries.size(), write.times);
        const std::string name = write.name;
        const QString operation = QString::fromStdString("::" + name.substr(0, name.find('_')) + "(");
        for (const LogEntry& entry : entries) {
            EXPECT_EQ(std::make_pair(entry.level, entry.modules),
                std::make_pair(write.level, QStringList { QStringLiteral("Product") }));
            EXPECT_TRUE(entry.items.value(0).contains(operation)) << qPrintable(entry.items.value(0));
        }
    }
};

TEST_P(DatabaseFault, IsReportedAndLeavesMemoryAgreeingWithTheDatabase)
{
    const auto& [fault, write] = GetParam();
    const QStringList before = view(*a);
    if (fault == Fault::Refused && write.trigger)
        refuseWrites(QStringLiteral("BEFORE ") + QLatin1String(write.trigger));
    else if (fault == Fault::ReadOnly)
        execute(QStringLiteral("PRAGMA query_only = ON"));
    else if (fault == Fault::Locked)
        lockFromAnotherConnection();
    else if (fault == Fault::TableDropped)
        execute(QStringLiteral("DROP TABLE %1").arg(QLatin1String(write.table)));
    else if (fault == Fault::FileDeleted && !QFile::remove(databasePath()))
        FAIL() << "the database file is still there";
    const QStringList rows = snapshot();
    const quint32 counter = databaseChangeCounter();
    QSignalSpy recipesChanged(&a->recipes, &Recipes::changed);
    QSignalSpy categoriesChanged(&a->categories, &Categories::changed);
    QElapsedTimer timer;
    timer.start();
    // The sanitizer build reports a core object left behind by a throw.
    if (write.logged)
        write.write(*a);
    else
        EXPECT_THROW(write.write(*a), std::invalid_argument);
    // A lock held elsewhere fails the write within a few busy timeouts, never Qt's five seconds per
    // statement.
    EXPECT_LT(timer.elapsed(), 3000);

    if (fault == Fault::FileDeleted) {
        // The open file lives on: the write went through, and a reload reads what memory holds.
        const QStringList after = view(*a);
        reload();
        EXPECT_EQ(view(*a), after);
        return;
    }
    EXPECT_FALSE(a->reported) << "reported as stored";
    if (fault != Fault::Refused)
        EXPECT_FALSE(logEntries().isEmpty());
    else if (write.logged)
        expectLogged(write);
    EXPECT_EQ(databaseChangeCounter(), counter);
    EXPECT_EQ(snapshot(), rows);
    EXPECT_EQ(recipesChanged.count() + categoriesChanged.count(), 0);
    EXPECT_EQ(view(*a), before);
    if (fault == Fault::TableDropped)
        return;
    if (fault == Fault::Locked)
        unlock();
    else if (fault == Fault::ReadOnly)
        execute(QStringLiteral("PRAGMA query_only = OFF"));
    reloadAll();
    EXPECT_EQ(view(*a), before);
}

const auto kWriteName = [](const auto& info) { return std::string(std::get<1>(info.param).name); };
#define FAULT(fault, writes)                                                                                 \
    INSTANTIATE_TEST_SUITE_P(                                                                                \
        fault, DatabaseFault, ::testing::Combine(::testing::Values(Fault::fault), writes), kWriteName)
FAULT(Refused, ::testing::ValuesIn(kWrites));
FAULT(ReadOnly, ::testing::ValuesIn(tableWrites()));
FAULT(Locked, ::testing::ValuesIn(tableWrites()));
FAULT(TableDropped, ::testing::ValuesIn(tableWrites()));
FAULT(FileDeleted, ::testing::ValuesIn(tableWrites()));

// A slot on a change signal that replaces or drops the configuration must not
// leave the operation that emitted it holding freed objects (the sanitizer
// build reports any use after free).
class ReentrantSlot : public FaultTest, public ::testing::WithParamInterface<std::tuple<bool, Write>>
{
};

TEST_P(ReentrantSlot, ReplacingTheConfigurationFromTheChangeSignalIsSafe)
{
    const auto& [unload, write] = GetParam();
    const auto replace
        = [this, unload = unload] { unload ? unloadConfiguration() : void(loadConfiguration()); };
    QObject::connect(&a->recipes, &Recipes::changed, replace);
    QObject::connect(&a->categories, &Categories::changed, replace);

    write.write(*a);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (unload)
        loadConfiguration();
    EXPECT_FALSE(a->recipes.recipes().empty());
}

INSTANTIATE_TEST_SUITE_P(Writes, ReentrantSlot,
    ::testing::Combine(::testing::Bool(), ::testing::ValuesIn(tableWrites())), [](const auto& info) {
        return std::string(std::get<0>(info.param) ? "Unload_" : "Reload_") + std::get<1>(info.param).name;
    });

using HostileInput = FaultTest;

TEST_F(HostileInput, TextsThatSqliteWouldAlterAreRefusedAndOthersRoundTrip)
{
    const auto espresso = [this] { return *a->recipes.recipe(a->espresso); };
    const QString refused[] = { QStringLiteral("A") + QChar(0xFFFE), QString(QChar(0xFFFF)),
        QChar(0xFEFF) + QStringLiteral("Lead"), QString(QChar(0xD800)) + QStringLiteral("x"),
        QStringLiteral("x") + QChar(0xDC00) };
    const quint32 counter = databaseChangeCounter();
    for (const QString& text : refused) {
        Recipes::Recipe record = espresso();
        record.name = text;
        EXPECT_THROW(a->recipes.updateRecipe(a->espresso, record), std::invalid_argument);
        record = espresso();
        record.translations = german(text);
        EXPECT_THROW(a->recipes.updateRecipe(a->espresso, record), std::invalid_argument);
    }
    EXPECT_EQ(databaseChangeCounter(), counter);
    EXPECT_EQ(espresso().name, QStringLiteral("Espresso"));

    const QString kept[] = { QStringLiteral("Café ☕ ") + QString::fromUcs4(U"\U0001D11E"),
        QString(QChar(0xFFFD)), QStringLiteral("Lead") + QChar(0xFEFF), QString::fromUtf8("a\0b", 3) };
    for (const QString& text : kept) {
        Recipes::Recipe record = espresso();
        record.name = text;
        record.translations = german(text + QStringLiteral(" (de)"));
        a->recipes.updateRecipe(a->espresso, record);
        reloadAll();
        EXPECT_EQ(espresso().name, text);
        EXPECT_EQ(texts(espresso().translations), texts(german(text + QStringLiteral(" (de)"))));
    }
}

TEST_F(HostileInput, TheDefaultRecipeIsStorableAndItsTranslationsBlockNoLaterEdit)
{
    Recipes::Recipe fresh = a->recipes.defaultRecipe();
    ASSERT_TRUE(fresh.name.isNull());
    fresh.translations = german(QStringLiteral("Neu"));
    const auto id = a->recipes.createRecipe(fresh);
    ASSERT_TRUE(id);

    Recipes::Recipe espresso = *a->recipes.recipe(a->espresso);
    espresso.translations = german(QStringLiteral("Kaffee"));
    a->recipes.updateRecipe(a->espresso, espresso);
    reloadAll();
    EXPECT_TRUE(a->recipes.recipe(*id).value_or(recipeRecord("absent")).name.isEmpty());
    EXPECT_EQ(texts(a->recipes.recipe(a->espresso)->translations), texts(german(QStringLiteral("Kaffee"))));
}

TEST_F(HostileInput, HugeWaterDosesSaturateTheDispensingTime)
{
    for (const int dose : { 1 << 30, std::numeric_limits<int>::max() }) {
        Recipes::Step step = *a->recipes.step(a->extraction);
        step.waterDose = dose;
        step.waterDoseUnit.clear();
        a->recipes.updateStep(a->extraction, step);
        EXPECT_EQ(a->recipes.recipe(a->espresso)->dispensingTime, std::numeric_limits<int>::max()) << dose;
    }
}

} // namespace
