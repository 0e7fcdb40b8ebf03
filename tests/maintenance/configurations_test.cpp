#include "bridge/maintenance/configurations.h"
#include "bridge/maintenance/maintenance.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationmanager.h"
#include "core/configuration/pathregistry.h"
#include "core/settings/settingsstore.h"
#include "support/catalogue.h"
#include "support/guardtest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

namespace {

using LeaConfigurations = lea::maintenance::Configurations;
using Configurations = bridge::maintenance::Configurations;

const QString kMarker = QStringLiteral("test/marker");

QString activePath()
{
    return gCoreEnv->configurationManager()->configurationGroupPath();
}

QString marker()
{
    return gCoreEnv->configurationGroup()->settingsStore()->value(kMarker).toString();
}

bool setMarker(const QString& value)
{
    return gCoreEnv->configurationGroup()->settingsStore()->setValue(kMarker, value);
}

QString configurationDirectory()
{
    return gCoreEnv->pathRegistry()->configurationDatabaseDirectory();
}

/// Creates an empty configuration database `name`.sqlite beside the active one.
void createDatabase(const QString& name)
{
    ConfigurationGroup group(QDir(configurationDirectory()).filePath(name + ".sqlite"));
}

const GuardCase<Configurations> kGuardTable[] = {
    { "configuration", [](Configurations& c) { return !c.configuration(); }, Guard::None },
    { "selectConfiguration",
        [](Configurations& c) {
            createDatabase("shop");
            return c.selectConfiguration({ 1, "shop" }) && gCoreEnv->configuration();
        },
        Guard::None },
    { "restoreFactory",
        [](Configurations& c) {
            QFile::copy(activePath(), QDir(configurationDirectory()).filePath("shop.sqlite.factory"));
            return c.restoreFactory("shop");
        },
        Guard::None },
};
GUARD_TEST(ConfigurationsGuardTest, LeaConfigurations, Configurations, kGuardTable);

class ConfigurationsTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
        factoryDirectory = tempPath("factory");
        ASSERT_TRUE(QDir().mkpath(factoryDirectory));
        gCoreEnv->pathRegistry()->setFactoryDatabaseDirectory(factoryDirectory);
        accessor = createAccessor<LeaConfigurations, Configurations>();
        ASSERT_TRUE(accessor);
        ASSERT_TRUE(setMarker("machine"));
        // A second database, "shop", with the test catalogue.
        createDatabase("shop");
        ASSERT_TRUE(accessor->selectConfiguration({ 1, "shop" }));
        seedTestCatalogue(machine().core());
        ASSERT_TRUE(setMarker("shop"));
        maintenance = createAccessor<lea::maintenance::Maintenance>();
        maintenance->setSettings({ false, 3, 30, {}, {} });
        ASSERT_TRUE(accessor->selectConfiguration({ 1, "machine" }));
        maintenance->setSettings({ true, 7, 100, {}, {} });
        clearLog();
    }

    QString factoryFile(const QString& name) const { return QDir(factoryDirectory).filePath(name); }
    bool writeFactoryFile(const QString& name, const QByteArray& content) const
    {
        QFile file(factoryFile(name));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }
    QStringList configurationFiles() const
    {
        return QDir(configurationDirectory()).entryList({ "*.sqlite" }, QDir::Files, QDir::Name);
    }

    QString factoryDirectory;
    std::unique_ptr<Configurations> accessor;
    std::unique_ptr<lea::maintenance::Maintenance> maintenance;
};

TEST_F(ConfigurationsTest, SwitchingLoadsTheOtherDatabaseAndItsCatalogue)
{
    QSignalSpy changed(gCoreEnv, &CoreEnvironment::configurationChanged);
    const struct
    {
        const char* name;
        int recipes;
        uint16_t maintenanceDays;
    } steps[] = { { "shop", 3, 3 }, { "machine", 0, 7 }, { "shop", 3, 3 } };
    for (const auto& step : steps) {
        ASSERT_TRUE(accessor->selectConfiguration({ 1, step.name })) << step.name;
        const auto current = accessor->configuration();
        ASSERT_TRUE(current);
        EXPECT_EQ(current->id, 1);
        EXPECT_EQ(current->name, step.name);
        EXPECT_EQ(marker(), step.name);
        EXPECT_EQ(gCoreEnv->configuration()->recipes().size(), step.recipes) << step.name;
        // The GUI settings are the group's too.
        EXPECT_EQ(maintenance->settings().days, step.maintenanceDays) << step.name;
        EXPECT_EQ(QFileInfo(activePath()),
            QFileInfo(QDir(configurationDirectory()).filePath(step.name + QString(".sqlite"))));
    }
    EXPECT_EQ(changed.size(), 3);
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(ConfigurationsTest, RefusedSelectionsLogOnceAndKeepTheMachineOnItsConfiguration)
{
    const struct
    {
        const char* label;
        int id;
        QString name;
        const char* log;
    } cases[] = {
        { "empty", 1, "", "Not a configuration name" },
        { "dot", 1, ".", "Not a configuration name" },
        { "dot dot", 1, "..", "Not a configuration name" },
        { "slash", 1, "sub/shop", "Not a configuration name" },
        { "backslash", 1, "..\\shop", "Not a configuration name" },
        { "absolute", 1, "/tmp/shop", "Not a configuration name" },
        { "nul", 1, QString("shop") + QChar(0), "Not a configuration name" },
        { "missing database", 1, "ghost", "No such configuration database" },
        { "unknown id", 2, "shop", "No such configuration in the database" },
    };
    const QStringList files = configurationFiles();
    for (const auto& c : cases) {
        clearLog();
        EXPECT_FALSE(accessor->selectConfiguration({ c.id, c.name })) << c.label;
        EXPECT_EQ(logEntries().size(), 1) << c.label;
        EXPECT_EQ(logEntriesContaining(c.log).size(), 1) << c.label;
        EXPECT_EQ(accessor->configuration()->name, "machine") << c.label;
        EXPECT_EQ(marker(), "machine") << c.label;
        ASSERT_TRUE(gCoreEnv->configuration()) << c.label;
        EXPECT_EQ(configurationFiles(), files) << c.label;
    }
}

TEST_F(ConfigurationsTest, RestoringReplacesTheNamedDatabaseByItsFactoryCopy)
{
    // The factory copy of shop holds the marker "factory".
    ASSERT_TRUE(accessor->selectConfiguration({ 1, "shop" }));
    ASSERT_TRUE(setMarker("factory"));
    ASSERT_TRUE(QFile::copy(activePath(), factoryFile("shop.sqlite.factory")));
    ASSERT_TRUE(setMarker("shop"));

    // Restoring the active database reloads it.
    QSignalSpy changed(gCoreEnv, &CoreEnvironment::configurationChanged);
    EXPECT_TRUE(accessor->restoreFactory("shop"));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(marker(), "factory");
    EXPECT_EQ(gCoreEnv->configuration()->recipes().size(), 3);

    // Restoring another one leaves the machine where it is.
    ASSERT_TRUE(setMarker("shop"));
    ASSERT_TRUE(accessor->selectConfiguration({ 1, "machine" }));
    changed.clear();
    EXPECT_TRUE(accessor->restoreFactory("shop"));
    EXPECT_EQ(changed.size(), 0);
    EXPECT_EQ(marker(), "machine");
    ASSERT_TRUE(accessor->selectConfiguration({ 1, "shop" }));
    EXPECT_EQ(marker(), "factory");
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(ConfigurationsTest, AFailedRestoreLeavesThePreviousDatabaseReadable)
{
    const struct
    {
        const char* label;
        QString name;
        QByteArray factoryContent; // written to <name>.sqlite.factory unless empty
        const char* log;
    } cases[] = {
        { "missing factory file", "shop", {}, "Cannot restore the factory configuration" },
        { "not a database", "shop", QByteArray("SQLite format 3\0garbage", 24).repeated(300),
            "Cannot restore the factory configuration" },
        { "empty database", "shop", QByteArray(""), "Cannot restore the factory configuration" },
        { "empty name", "", {}, "Not a configuration name" },
        { "dot dot", "..", {}, "Not a configuration name" },
        { "path", "../shop", {}, "Not a configuration name" },
    };
    QFile::remove(factoryFile("shop.sqlite.factory"));
    for (const auto& c : cases) {
        if (!c.factoryContent.isNull()) {
            ASSERT_TRUE(writeFactoryFile(c.name + ".sqlite.factory", c.factoryContent)) << c.label;
        }
        clearLog();
        EXPECT_FALSE(accessor->restoreFactory(c.name)) << c.label;
        EXPECT_EQ(logEntriesContaining(c.log).size(), 1) << c.label;
        EXPECT_EQ(marker(), "machine") << c.label;
        ASSERT_TRUE(accessor->selectConfiguration({ 1, "shop" })) << c.label;
        EXPECT_EQ(marker(), "shop") << c.label;
        EXPECT_EQ(gCoreEnv->configuration()->recipes().size(), 3) << c.label;
        ASSERT_TRUE(accessor->selectConfiguration({ 1, "machine" })) << c.label;
        QFile::remove(factoryFile("shop.sqlite.factory"));
    }
}

TEST_F(ConfigurationsTest, ARestoreThatCannotBeWrittenKeepsTheOldDatabase)
{
    // The configuration directory is gone: the copy cannot be made there.
    ASSERT_TRUE(accessor->selectConfiguration({ 1, "shop" }));
    ASSERT_TRUE(QFile::copy(activePath(), factoryFile("shop.sqlite.factory")));
    gCoreEnv->pathRegistry()->setConfigurationDatabaseDirectory(tempPath("missing"));
    EXPECT_FALSE(accessor->restoreFactory("shop"));
    EXPECT_EQ(logEntriesContaining("Cannot restore").size(), 2);
    EXPECT_EQ(marker(), "shop");
    EXPECT_FALSE(QFileInfo::exists(tempPath("missing")));
}

} // namespace
