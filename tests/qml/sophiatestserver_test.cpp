#include "bridge/qml/sophiaproperties.h"
#include "core/configuration/generalsettings.h"
#include "core/settings/settingsstore.h"
#include "support/cataloguetest.h"

#include <QSignalSpy>

namespace {

using bridge::qml::SophiaProperties;

const QString kKey = QStringLiteral("general/sophiaTestServerEnabled");

class SophiaTestServer : public CatalogueTest
{
protected:
    SophiaProperties& sophia = *SophiaProperties::instance();
    QSignalSpy changed { &sophia, &SophiaProperties::isTestServerEnabledChanged };

    SettingsStore& store() const { return *machine().core().configurationGroup()->settingsStore(); }
    /// The flag as a fresh read of the database gives it.
    bool storedFlag()
    {
        store().reload();
        return reload().generalSettings()->isSophiaTestServerEnabled();
    }
};

TEST_F(SophiaTestServer, WithoutConfigurationReadsFalseAndChangesNothing)
{
    unloadConfiguration();
    clearLog();
    EXPECT_FALSE(sophia.isTestServerEnabled());
    sophia.setIsTestServerEnabled(true);
    EXPECT_EQ(changed.count(), 0);
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 2);
    const QString signatures[] = { "bool bridge::qml::SophiaProperties::isTestServerEnabled() const",
        "void bridge::qml::SophiaProperties::setIsTestServerEnabled(bool)" };
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(entries[i].level, LogLevel::Warning);
        EXPECT_EQ(entries[i].modules, QStringList { "Global" });
        EXPECT_EQ(entries[i].items,
            (QStringList {
                signatures[i], QStringLiteral("Configuration is not loaded. Operation canceled.") }));
    }
    EXPECT_FALSE(store().contains(kKey));
}

TEST_F(SophiaTestServer, TheFlagIsStoredWithTheConfigurationAndNotifiedOncePerChange)
{
    EXPECT_FALSE(sophia.isTestServerEnabled());
    sophia.setProperty("isTestServerEnabled", true);
    EXPECT_TRUE(sophia.isTestServerEnabled());
    sophia.setIsTestServerEnabled(true);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(storedFlag());
    EXPECT_TRUE(sophia.isTestServerEnabled());

    sophia.setIsTestServerEnabled(false);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_FALSE(storedFlag());
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(SophiaTestServer, ARefusedSaveKeepsTheOldFlagAndIsLogged)
{
    sophia.setIsTestServerEnabled(true);
    refuseSetting(kKey);
    const QStringList before = snapshot();
    clearLog();
    sophia.setIsTestServerEnabled(false);
    EXPECT_TRUE(sophia.isTestServerEnabled());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(snapshot(), before);
    const QList<LogEntry> failures
        = logEntriesContaining(QStringLiteral("Failed to save the test server flag"));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0].level, LogLevel::Error);
    EXPECT_EQ(failures[0].items.value(0), "void bridge::qml::SophiaProperties::setIsTestServerEnabled(bool)");
    EXPECT_TRUE(storedFlag());
}

} // namespace
