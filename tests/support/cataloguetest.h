#pragma once

#include "bridge/localimagestore.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "nonstd/optional.hpp"
#include "support/accessors.h"
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
    void SetUp() override
    {
        MachineTest::SetUp();
        ids = seedTestCatalogue(machine().core());
        m_configuration = loadConfiguration();
        clearLog();
    }

    Configuration& configuration() const { return *m_configuration; }
    ConfigurationLoader& loader() const { return *m_configuration->loader(); }
    /// Replaces the configuration with one freshly built from the database.
    Configuration& reload() { return *(m_configuration = loadConfiguration()); }
    /// reload(), with the translations read afresh too.
    Configuration& reloadAll()
    {
        machine().core().configurationGroup()->translationsManager()->reload();
        return reload();
    }

    Recipe& recipe(int id) const
    {
        if (Recipe* found = m_configuration->recipe(id))
            return *found;
        throw std::runtime_error("no such recipe");
    }

    static QList<int> stepIds(const Recipe& recipe)
    {
        QList<int> result;
        for (const AbstractPreparationStep* step : recipe.preparationStepsConst())
            result << step->dbId();
        return result;
    }

    AbstractPreparationStep& step(int recipeId, int stepId) const
    {
        for (AbstractPreparationStep* step : recipe(recipeId).preparationSteps()) {
            if (step->dbId() == stepId)
                return *step;
        }
        throw std::runtime_error("no such step");
    }

    /// Every row of every table of the database, as text, for before/after comparisons.
    QStringList snapshot() const
    {
        QStringList tables;
        QSqlQuery query(database());
        if (query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))) {
            while (query.next())
                tables << query.value(0).toString();
        }
        QStringList rows;
        for (const QString& table : tables)
            rows += tableRows(table).value_or(QStringList { QStringLiteral("unreadable ") + table });
        rows.sort();
        return rows;
    }

    int rowCount(const QString& table) const { return tableRows(table).value_or(QStringList()).size(); }

    TestCatalogue ids;

private:
    QSqlDatabase database() const { return machine().core().configurationGroup()->database()->database(); }

    /// The rows of `table` as "table|value|…", none if it cannot be read.
    nonstd::optional<QStringList> tableRows(const QString& table) const
    {
        QSqlQuery query(database());
        if (!AbstractDatabase::prepareSELECTALLQuery(query, table) || !query.exec())
            return nonstd::nullopt;
        QStringList rows;
        while (query.next()) {
            QStringList values { table };
            for (int i = 0; i < query.record().count(); ++i)
                values << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
            rows << values.join(QLatin1Char('|'));
        }
        return rows;
    }

    Configuration* m_configuration = nullptr;
};

/// The test catalogue and an accessor of `Interface` made as the interface layer makes it.
template <class Interface, class Accessor> class AccessorTest : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        accessor = createAccessor<Interface, Accessor>();
        ASSERT_TRUE(accessor);
    }

    void TearDown() override
    {
        accessor.reset();
        // The image store's folder outlives the test.
        bridge::LocalImageStore::instance().clear();
        CatalogueTest::TearDown();
    }

    std::unique_ptr<Accessor> accessor;
};
