#include "bridge/connectivity/newdigital.h"
#include "bridge/qml/newdigitalproperties.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/newdigitalsettings.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"

#include <QSignalSpy>

namespace {

using LeaNewDigital = lea::connectivity::NewDigital;
using NewDigital = bridge::connectivity::NewDigital;
using bridge::qml::NewDigitalProperties;

class NewDigitalTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
        newDigital = createAccessor<LeaNewDigital>();
        ASSERT_TRUE(dynamic_cast<NewDigital*>(newDigital.get()));
        clearLog();
    }

    static NewDigitalProperties* properties() { return NewDigitalProperties::instance(); }
    NewDigitalSettings* settings() const { return gCoreEnv->configuration()->newDigitalSettings(); }
    void reload()
    {
        gCoreEnv->configurationGroup()->settingsStore()->reload();
        loadConfiguration();
    }

    std::unique_ptr<LeaNewDigital> newDigital;
};

TEST_F(NewDigitalTest, SettingsRoundTripAnnouncedToTheClientAndShown)
{
    QSignalSpy deviceId(newDigital.get(), &LeaNewDigital::deviceIdChanged);
    QSignalSpy secret(newDigital.get(), &LeaNewDigital::credentialsSecretChanged);
    QSignalSpy verbose(newDigital.get(), &LeaNewDigital::verboseLogsEnabledChanged);
    newDigital->setDeviceId(QStringLiteral("device-1"));
    newDigital->setCredentialsSecret(QStringLiteral("s3cr3t"));
    newDigital->setVerboseLogsEnabled(true);
    EXPECT_EQ(deviceId.last().at(0).toString(), QStringLiteral("device-1"));
    EXPECT_EQ(secret.last().at(0).toString(), QStringLiteral("s3cr3t"));
    EXPECT_EQ(verbose.last().at(0), true);
    EXPECT_EQ(properties()->deviceId(), QStringLiteral("device-1"));
    EXPECT_TRUE(properties()->verboseLogsEnabled());

    reload();
    EXPECT_EQ(newDigital->deviceId(), QStringLiteral("device-1"));
    EXPECT_EQ(newDigital->credentialsSecret(), QStringLiteral("s3cr3t"));
    EXPECT_TRUE(newDigital->verboseLogsEnabled());
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(NewDigitalTest, ARefusedSaveIsLoggedAndKeepsTheValue)
{
    newDigital->setDeviceId(QStringLiteral("kept"));
    refuseSetting(QStringLiteral("newDigital/deviceId"));
    refuseSetting(QStringLiteral("newDigital/verboseLogsEnabled"));
    QSignalSpy deviceId(newDigital.get(), &LeaNewDigital::deviceIdChanged);
    newDigital->setDeviceId(QStringLiteral("lost"));
    newDigital->setVerboseLogsEnabled(true);
    EXPECT_EQ(deviceId.count(), 0);
    EXPECT_EQ(newDigital->deviceId(), QStringLiteral("kept"));
    EXPECT_FALSE(newDigital->verboseLogsEnabled());
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed to save the device id")).size(), 1);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed to save the verbose logs flag")).size(), 1);
    reload();
    EXPECT_EQ(newDigital->deviceId(), QStringLiteral("kept"));
}

TEST_F(NewDigitalTest, TheEnabledFlagFollowsTheConfigurationAndAnImportedSecretIsStored)
{
    QSignalSpy enabled(newDigital.get(), &LeaNewDigital::enabledChanged);
    ASSERT_TRUE(settings()->setEnabled(true));
    EXPECT_EQ(enabled.last().at(0), true);
    EXPECT_TRUE(properties()->enabled());
    unloadConfiguration();
    EXPECT_EQ(enabled.last().at(0), false);
    EXPECT_FALSE(properties()->enabled());
    loadConfiguration();
    EXPECT_TRUE(properties()->enabled());

    QSignalSpy imported(newDigital.get(), &LeaNewDigital::credentialsSecretImported);
    QSignalSpy secret(newDigital.get(), &LeaNewDigital::credentialsSecretChanged);
    settings()->importCredentialsSecret(QStringLiteral("downloaded"));
    EXPECT_EQ(imported.count(), 1);
    EXPECT_EQ(secret.last().at(0).toString(), QStringLiteral("downloaded"));
    reload();
    EXPECT_EQ(newDigital->credentialsSecret(), QStringLiteral("downloaded"));
}

TEST_F(NewDigitalTest, CloudStatusReportsAreShown)
{
    newDigital->cloudConnectionStatusChanged(LeaNewDigital::Reconnecting);
    EXPECT_EQ(properties()->cloudConnectionStatusString(), QStringLiteral("Reconnecting"));
    EXPECT_FALSE(properties()->isCloudConnected());
    newDigital->cloudConnectionStatusChanged(LeaNewDigital::Connected);
    EXPECT_TRUE(properties()->isCloudConnected());
    newDigital->networkLogChanged(QStringLiteral("nd log"));
    EXPECT_EQ(properties()->networkLog(), QStringLiteral("nd log"));
}

const GuardCase<NewDigital> kGuarded[] = {
    { "enabled", [](NewDigital& n) { return !n.enabled(); } },
    { "deviceId", [](NewDigital& n) { return n.deviceId().isEmpty(); } },
    { "credentialsSecret", [](NewDigital& n) { return n.credentialsSecret().isEmpty(); } },
    { "verboseLogsEnabled", [](NewDigital& n) { return !n.verboseLogsEnabled(); } },
    { "setDeviceId",
        [](NewDigital& n) {
            n.setDeviceId(QStringLiteral("x"));
            return !gCoreEnv->configurationGroup()->settingsStore()->contains(
                QStringLiteral("newDigital/deviceId"));
        } },
    { "setCredentialsSecret",
        [](NewDigital& n) {
            n.setCredentialsSecret(QStringLiteral("x"));
            return !gCoreEnv->configurationGroup()->settingsStore()->contains(
                QStringLiteral("newDigital/credentialsSecret"));
        } },
    { "setVerboseLogsEnabled",
        [](NewDigital& n) {
            n.setVerboseLogsEnabled(true);
            return !gCoreEnv->configurationGroup()->settingsStore()->contains(
                QStringLiteral("newDigital/verboseLogsEnabled"));
        } },
};
GUARD_TEST(NewDigitalGuard, LeaNewDigital, NewDigital, kGuarded);

} // namespace
