// The catalogue accessors under a database that fails them: read-only, locked
// by another connection, missing a table, or deleted while open. Whatever
// happens, a write reports what the database did and the loaded objects agree
// with it afterwards.

#include "bridge/products/canisters.h"
#include "bridge/products/categories.h"
#include "bridge/products/customizations.h"
#include "bridge/products/recipes.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/category.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/translationsmanager.h"
#include "support/cataloguetest.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>

namespace {

using Recipes = lea::products::Recipes;

// One write through each catalogue accessor.
struct Write
{
    const char* name;
    /// A table the write needs.
    const char* table;
    std::function<void(const TestCatalogue&)> run;
};

Recipes::Step waterStep()
{
    Recipes::Step step;
    step.type = Recipes::WaterOnly;
    step.waterDose = 80;
    return step;
}

const Write kWrites[] = {
    { "createRecipe", "Recipe_Steps",
        [](const TestCatalogue& ids) {
            Recipes::Recipe record;
            record.name = QStringLiteral("Lungo");
            record.steps = { lea::RecipeStepDbId(ids.hotChocolateSteps[1]) };
            bridge::products::Recipes(nullptr).createRecipe(record);
        } },
    { "updateRecipe", "Recipes",
        [](const TestCatalogue& ids) {
            bridge::products::Recipes recipes(nullptr);
            Recipes::Recipe record = *recipes.recipe(lea::RecipeDbId(ids.espresso));
            record.dripTime_cs = 300;
            recipes.updateRecipe(lea::RecipeDbId(ids.espresso), record);
        } },
    { "deleteRecipe", "Recipe_Customizations",
        [](const TestCatalogue& ids) {
            bridge::products::Recipes(nullptr).deleteRecipe(lea::RecipeDbId(ids.cappuccino));
        } },
    { "reorderRecipeSteps", "Recipe_Steps",
        [](const TestCatalogue& ids) {
            bridge::products::Recipes recipes(nullptr);
            Recipes::Recipe record = *recipes.recipe(lea::RecipeDbId(ids.cappuccino));
            std::swap(record.steps.front(), record.steps.back());
            recipes.reorderRecipeSteps(lea::RecipeDbId(ids.cappuccino), record);
        } },
    { "updateStep", "PreparationSteps",
        [](const TestCatalogue& ids) {
            bridge::products::Recipes(nullptr).updateStep(
                lea::RecipeStepDbId(ids.hotChocolateSteps[1]), waterStep());
        } },
    { "deleteStep", "Ingredients",
        [](const TestCatalogue& ids) {
            bridge::products::Recipes(nullptr).deleteStep(
                lea::RecipeStepDbId(ids.hotChocolateSteps[0]), lea::RecipeDbId(ids.hotChocolate));
        } },
    { "deleteIngredient", "Ingredients",
        [](const TestCatalogue& ids) {
            const int step = ids.hotChocolateSteps[0];
            bridge::products::Recipes(nullptr).deleteIngredient(
                lea::RecipeStepIngredientDbId(ids.stepIngredients[step][1]), lea::RecipeStepDbId(step));
        } },
    { "deleteCustomization", "Recipe_Customizations",
        [](const TestCatalogue& ids) {
            bridge::products::Customizations(nullptr).deleteCustomization(
                lea::CustomizationDbId(ids.sugarCustomization));
        } },
    { "addCategory", "Category_Products",
        [](const TestCatalogue&) {
            lea::products::Categories::Category category;
            category.title = QStringLiteral("Cold drinks");
            bridge::products::Categories(nullptr).addCategory(category);
        } },
    { "removeCategory", "Category_Products",
        [](const TestCatalogue& ids) {
            bridge::products::Categories(nullptr).removeCategory(lea::CategoryDbId(ids.categories.at(0)));
        } },
    { "setCalibrations", "Canisters",
        [](const TestCatalogue& ids) {
            bridge::products::Canisters(nullptr).setCalibrations(
                { { lea::CanisterDbId(ids.canisters.value(Canister::CoffeeBeans)), 30, 60 } });
        } },
};

enum class Fault { ReadOnly, Locked, TableDropped, FileDeleted };

struct FaultCase
{
    Fault fault;
    Write write;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.write.name;
}

class DatabaseFault : public CatalogueTest, public ::testing::WithParamInterface<FaultCase>
{
protected:
    void TearDown() override
    {
        if (m_locker.isValid()) {
            m_locker.rollback();
            m_locker.close();
        }
        m_locker = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("locker"));
        CatalogueTest::TearDown();
    }

    /// The loaded catalogue: recipes with their steps and ingredients,
    /// customizations, categories and canister calibrations.
    QStringList view() const
    {
        QStringList lines;
        for (const Recipe* recipe : configuration().recipes()) {
            lines << QStringLiteral("recipe %1 %2 %3")
                         .arg(recipe->dbId())
                         .arg(recipe->name())
                         .arg(recipe->dripTimeCS());
            for (const AbstractPreparationStep* step : recipe->preparationStepsConst()) {
                lines << QStringLiteral(" step %1 %2").arg(step->dbId()).arg(step->water().dose());
                for (const AbstractIngredient* ingredient : step->ingredientsConst())
                    lines << QStringLiteral("  ingredient %1 %2")
                                 .arg(ingredient->dbId())
                                 .arg(ingredient->dose());
            }
            for (const RecipeCustomization* customization : recipe->customizations())
                lines << QStringLiteral(" customization %1").arg(customization->dbId());
        }
        for (const Category* category : configuration().getAllCategories(true))
            lines << QStringLiteral("category %1 %2").arg(category->id()).arg(category->title());
        for (const Canister* canister : configuration().canisters())
            lines << QStringLiteral("canister %1 %2 %3")
                         .arg(canister->id())
                         .arg(canister->calibrationMin())
                         .arg(canister->calibrationMax());
        return lines;
    }

    void lockFromAnotherConnection()
    {
        m_locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
        m_locker.setDatabaseName(databasePath());
        ASSERT_TRUE(m_locker.open());
        QSqlQuery lock(m_locker);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }

    QSqlDatabase m_locker;
};

TEST_P(DatabaseFault, LeavesMemoryAgreeingWithTheDatabase)
{
    const FaultCase& c = GetParam();
    const QStringList before = view();
    switch (c.fault) {
    case Fault::ReadOnly:
        execute(QStringLiteral("PRAGMA query_only = ON"));
        break;
    case Fault::Locked:
        lockFromAnotherConnection();
        break;
    case Fault::TableDropped:
        execute(QStringLiteral("DROP TABLE %1").arg(QLatin1String(c.write.table)));
        break;
    case Fault::FileDeleted:
        ASSERT_TRUE(QFile::remove(databasePath()));
        break;
    }
    const QStringList snapshotBefore = snapshot();
    QElapsedTimer timer;
    timer.start();
    c.write.run(ids);
    // A lock held elsewhere fails the write within a few busy timeouts, never Qt's five seconds per
    // statement.
    EXPECT_LT(timer.elapsed(), 3000);

    if (c.fault == Fault::FileDeleted) {
        // The open file lives on: the write went through, and a reload reads what memory holds.
        const QStringList after = view();
        reload();
        EXPECT_EQ(view(), after);
        return;
    }
    EXPECT_FALSE(logEntries().isEmpty());
    EXPECT_EQ(view(), before);
    EXPECT_EQ(snapshot(), snapshotBefore);
    if (c.fault == Fault::TableDropped)
        return;
    if (c.fault == Fault::Locked) {
        m_locker.rollback();
        m_locker.close();
    } else {
        execute(QStringLiteral("PRAGMA query_only = OFF"));
    }
    reload();
    EXPECT_EQ(view(), before);
}

std::vector<FaultCase> faultCases(Fault fault)
{
    std::vector<FaultCase> cases;
    for (const Write& write : kWrites)
        cases.push_back({ fault, write });
    return cases;
}

const auto kCaseName
    = [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.write.name); };

INSTANTIATE_TEST_SUITE_P(
    ReadOnly, DatabaseFault, ::testing::ValuesIn(faultCases(Fault::ReadOnly)), kCaseName);
INSTANTIATE_TEST_SUITE_P(Locked, DatabaseFault, ::testing::ValuesIn(faultCases(Fault::Locked)), kCaseName);
INSTANTIATE_TEST_SUITE_P(
    TableDropped, DatabaseFault, ::testing::ValuesIn(faultCases(Fault::TableDropped)), kCaseName);
INSTANTIATE_TEST_SUITE_P(
    FileDeleted, DatabaseFault, ::testing::ValuesIn(faultCases(Fault::FileDeleted)), kCaseName);

// A slot on a change signal that replaces or drops the configuration must not
// leave the operation that emitted it holding freed objects (the sanitizer
// build reports any use after free).
class ReentrantSlot : public CatalogueTest, public ::testing::WithParamInterface<std::tuple<bool, Write>>
{
};

TEST_P(ReentrantSlot, ReplacingTheConfigurationFromTheChangeSignalIsSafe)
{
    const bool unload = std::get<0>(GetParam());
    bridge::products::Recipes recipes(nullptr);
    bridge::products::Categories categories(nullptr);
    int replaced = 0;
    const auto replace = [&] {
        ++replaced;
        if (unload)
            unloadConfiguration();
        else
            machine().core().loadConfiguration();
    };
    QObject::connect(&recipes, &lea::products::Recipes::changed, replace);
    QObject::connect(&categories, &lea::products::Categories::changed, replace);

    std::get<1>(GetParam()).run(ids);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (unload)
        loadConfiguration();
    EXPECT_FALSE(recipes.recipes().empty());
}

INSTANTIATE_TEST_SUITE_P(Writes, ReentrantSlot,
    ::testing::Combine(::testing::Bool(), ::testing::ValuesIn(kWrites)),
    [](const ::testing::TestParamInfo<std::tuple<bool, Write>>& info) {
        return std::string(std::get<0>(info.param) ? "Unload_" : "Reload_") + std::get<1>(info.param).name;
    });

class HostileInput : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        m_recipes = std::make_unique<bridge::products::Recipes>(nullptr);
    }
    void TearDown() override
    {
        m_recipes.reset();
        CatalogueTest::TearDown();
    }

    Recipes::Recipe espressoRecord() const { return *recipes().recipe(lea::RecipeDbId(ids.espresso)); }
    bridge::products::Recipes& recipes() const { return *m_recipes; }
    void reloadAll()
    {
        machine().core().configurationGroup()->translationsManager()->reload();
        reload();
    }

private:
    std::unique_ptr<bridge::products::Recipes> m_recipes;
};

TEST_F(HostileInput, TextsThatSqliteWouldAlterAreRefusedAndOthersRoundTrip)
{
    const QString refused[] = { QStringLiteral("A") + QChar(0xFFFE), QString(QChar(0xFFFF)),
        QChar(0xFEFF) + QStringLiteral("Lead"), QString(QChar(0xD800)) + QStringLiteral("x"),
        QStringLiteral("x") + QChar(0xDC00) };
    const quint32 counter = databaseChangeCounter();
    for (const QString& text : refused) {
        Recipes::Recipe record = espressoRecord();
        record.name = text;
        EXPECT_THROW(recipes().updateRecipe(lea::RecipeDbId(ids.espresso), record), std::invalid_argument);
        record = espressoRecord();
        record.translations = { lea::Translation { QLocale::German, {}, text, {} } };
        EXPECT_THROW(recipes().updateRecipe(lea::RecipeDbId(ids.espresso), record), std::invalid_argument);
    }
    EXPECT_EQ(databaseChangeCounter(), counter);
    EXPECT_EQ(espressoRecord().name, QStringLiteral("Espresso"));

    const QString kept[] = { QStringLiteral("Café ☕ ") + QString::fromUcs4(U"\U0001D11E"),
        QString(QChar(0xFFFD)), QStringLiteral("Lead") + QChar(0xFEFF), QString::fromUtf8("a\0b", 3) };
    for (const QString& text : kept) {
        Recipes::Recipe record = espressoRecord();
        record.name = text;
        record.translations
            = { lea::Translation { QLocale::German, {}, text + QStringLiteral(" (de)"), {} } };
        recipes().updateRecipe(lea::RecipeDbId(ids.espresso), record);
        reloadAll();
        const Recipes::Recipe read = espressoRecord();
        EXPECT_EQ(read.name, text);
        ASSERT_EQ(read.translations.size(), 1u);
        EXPECT_EQ(read.translations[0].text, text + QStringLiteral(" (de)"));
    }
}

TEST_F(HostileInput, TheDefaultRecipeIsStorableAndItsTranslationsBlockNoLaterEdit)
{
    Recipes::Recipe fresh = recipes().defaultRecipe();
    ASSERT_TRUE(fresh.name.isNull());
    fresh.translations = { lea::Translation { QLocale::German, {}, QStringLiteral("Neu"), {} } };
    const auto id = recipes().createRecipe(fresh);
    ASSERT_TRUE(id);

    Recipes::Recipe espresso = espressoRecord();
    espresso.translations = { lea::Translation { QLocale::German, {}, QStringLiteral("Kaffee"), {} } };
    recipes().updateRecipe(lea::RecipeDbId(ids.espresso), espresso);
    reloadAll();
    ASSERT_TRUE(recipes().recipe(*id));
    EXPECT_TRUE(recipes().recipe(*id)->name.isEmpty());
    ASSERT_EQ(espressoRecord().translations.size(), 1u);
    EXPECT_EQ(espressoRecord().translations[0].text, QStringLiteral("Kaffee"));
}

TEST_F(HostileInput, HugeWaterDosesSaturateTheDispensingTime)
{
    const lea::RecipeStepDbId extraction(ids.espressoSteps[0]);
    for (const int dose : { 1 << 30, std::numeric_limits<int>::max() }) {
        Recipes::Step step = *recipes().step(extraction);
        step.waterDose = dose;
        step.waterDoseUnit.clear();
        recipes().updateStep(extraction, step);
        EXPECT_EQ(espressoRecord().dispensingTime, std::numeric_limits<int>::max()) << dose;
    }
}

} // namespace
