#pragma once

#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "support/catalogue.h"
#include "support/machinetest.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <stdexcept>

/// A machine with the test catalogue stored and a configuration loaded from it.
class CatalogueTest : public MachineTest
{
protected:
    void SetUp() override;

    Configuration& configuration() const { return *m_configuration; }
    ConfigurationLoader& loader() const { return *m_configuration->loader(); }
    /// Replaces the configuration with one freshly built from the database.
    Configuration& reload();

    Recipe& recipe(int id) const;
    static QList<int> stepIds(const Recipe& recipe);
    AbstractPreparationStep& step(int recipeId, int stepId) const;

    /// Every row of every catalogue table, as text, for before/after comparisons.
    QStringList snapshot() const;
    /// Runs a statement of the test itself (a trigger, a damaged row).
    void execute(const QString& statement) const;
    int rowCount(const QString& table) const;

    TestCatalogue ids;

private:
    Configuration* m_configuration = nullptr;
};

namespace cataloguetest {
const char* const kTables[] = { "Recipes", "PreparationSteps", "Recipe_Steps", "Ingredients",
    "Customizations", "Recipe_Customizations", "Adjustments", "Canisters", "General_Settings", "Categories",
    "Category_Products", "Category_Screen", "Beverages" };
} // namespace cataloguetest

inline void CatalogueTest::SetUp()
{
    MachineTest::SetUp();
    ids = seedTestCatalogue(machine().core());
    m_configuration = loadConfiguration();
    clearLog();
}

inline Configuration& CatalogueTest::reload()
{
    m_configuration = loadConfiguration();
    return *m_configuration;
}

inline Recipe& CatalogueTest::recipe(int id) const
{
    Recipe* found = m_configuration->recipe(id);
    if (!found)
        throw std::runtime_error("no such recipe");
    return *found;
}

inline QList<int> CatalogueTest::stepIds(const Recipe& recipe)
{
    QList<int> result;
    for (const AbstractPreparationStep* step : recipe.preparationStepsConst())
        result << step->dbId();
    return result;
}

inline AbstractPreparationStep& CatalogueTest::step(int recipeId, int stepId) const
{
    for (AbstractPreparationStep* step : recipe(recipeId).preparationSteps()) {
        if (step->dbId() == stepId)
            return *step;
    }
    throw std::runtime_error("no such step");
}

inline QStringList CatalogueTest::snapshot() const
{
    QStringList rows;
    for (const char* table : cataloguetest::kTables) {
        QSqlQuery query(machine().core().configurationGroup()->database()->database());
        if (!AbstractDatabase::prepareSELECTALLQuery(query, QLatin1String(table)) || !query.exec()) {
            rows << QStringLiteral("unreadable %1").arg(QLatin1String(table));
            continue;
        }
        while (query.next()) {
            QStringList values { QLatin1String(table) };
            for (int i = 0; i < query.record().count(); ++i)
                values << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
            rows << values.join(QLatin1Char('|'));
        }
    }
    rows.sort();
    return rows;
}

inline void CatalogueTest::execute(const QString& statement) const
{
    QSqlQuery query(machine().core().configurationGroup()->database()->database());
    ASSERT_TRUE(query.exec(statement)) << qPrintable(statement);
}

inline int CatalogueTest::rowCount(const QString& table) const
{
    QSqlQuery query(machine().core().configurationGroup()->database()->database());
    int count = 0;
    if (AbstractDatabase::prepareSELECTALLQuery(query, table) && query.exec()) {
        while (query.next())
            ++count;
    }
    return count;
}
