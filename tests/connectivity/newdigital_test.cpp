#include "bridge/connectivity/newdigital.h"
#include "bridge/qml/newdigitalproperties.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/newdigitalsettings.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <QSignalSpy>

namespace {

using LeaNewDigital = lea::connectivity::NewDigital;
using NewDigital = bridge::connectivity::NewDigital;
using bridge::qml::NewDigitalProperties;

class NewDigitalTest : public SettingsAccessorTest<LeaNewDigital, NewDigital>
{
protected:
    static NewDigitalProperties* properties() { return NewDigitalProperties::instance(); }
    NewDigitalSettings* settings() const { return gCoreEnv->configuration()->newDigitalSettings(); }
};

TEST_F(NewDigitalTest, SettingsRoundTripAnnouncedToTheClientAndShown)
{
    QSignalSpy deviceId(accessor.get(), &LeaNewDigital::deviceIdChanged);
    QSignalSpy secret(accessor.get(), &LeaNewDigital::credentialsSecretChanged);
    QSignalSpy verbose(accessor.get(), &LeaNewDigital::verboseLogsEnabledChanged);
    accessor->setDeviceId(QStringLiteral("device-1"));
    accessor->setCredentialsSecret(QStringLiteral("s3cr3t"));
    accessor->setVerboseLogsEnabled(true);
    EXPECT_EQ(deviceId.last().at(0).toString(), QStringLiteral("device-1"));
    EXPECT_EQ(secret.last().at(0).toString(), QStringLiteral("s3cr3t"));
    EXPECT_EQ(verbose.last().at(0), true);
    EXPECT_EQ(properties()->deviceId(), QStringLiteral("device-1"));
    EXPECT_TRUE(properties()->verboseLogsEnabled());

    reload();
    EXPECT_EQ(accessor->deviceId(), QStringLiteral("device-1"));
    EXPECT_EQ(accessor->credentialsSecret(), QStringLiteral("s3cr3t"));
    EXPECT_TRUE(accessor->verboseLogsEnabled());
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(NewDigitalTest, ARefusedSaveIsLoggedAndKeepsTheValue)
{
    accessor->setDeviceId(QStringLiteral("kept"));
    refuseSetting(QStringLiteral("newDigital/deviceId"));
    refuseSetting(QStringLiteral("newDigital/verboseLogsEnabled"));
    QSignalSpy deviceId(accessor.get(), &LeaNewDigital::deviceIdChanged);
    accessor->setDeviceId(QStringLiteral("lost"));
    accessor->setVerboseLogsEnabled(true);
    EXPECT_EQ(deviceId.count(), 0);
    EXPECT_EQ(accessor->deviceId(), QStringLiteral("kept"));
    EXPECT_FALSE(accessor->verboseLogsEnabled());
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed to save the device id")).size(), 1);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed to save the verbose logs flag")).size(), 1);
    reload();
    EXPECT_EQ(accessor->deviceId(), QStringLiteral("kept"));
}

TEST_F(NewDigitalTest, TheEnabledFlagFollowsTheConfigurationAndAnImportedSecretIsStored)
{
    QSignalSpy enabled(accessor.get(), &LeaNewDigital::enabledChanged);
    ASSERT_TRUE(settings()->setEnabled(true));
    EXPECT_EQ(enabled.last().at(0), true);
    EXPECT_TRUE(properties()->enabled());
    unloadConfiguration();
    EXPECT_EQ(enabled.last().at(0), false);
    EXPECT_FALSE(properties()->enabled());
    loadConfiguration();
    EXPECT_TRUE(properties()->enabled());

    QSignalSpy imported(accessor.get(), &LeaNewDigital::credentialsSecretImported);
    QSignalSpy secret(accessor.get(), &LeaNewDigital::credentialsSecretChanged);
    settings()->importCredentialsSecret(QStringLiteral("downloaded"));
    EXPECT_EQ(imported.count(), 1);
    EXPECT_EQ(secret.last().at(0).toString(), QStringLiteral("downloaded"));
    reload();
    EXPECT_EQ(accessor->credentialsSecret(), QStringLiteral("downloaded"));
}

TEST_F(NewDigitalTest, CloudStatusReportsAreShown)
{
    accessor->cloudConnectionStatusChanged(LeaNewDigital::Reconnecting);
    EXPECT_EQ(properties()->cloudConnectionStatusString(), QStringLiteral("Reconnecting"));
    EXPECT_FALSE(properties()->isCloudConnected());
    accessor->cloudConnectionStatusChanged(LeaNewDigital::Connected);
    EXPECT_TRUE(properties()->isCloudConnected());
    accessor->networkLogChanged(QStringLiteral("nd log"));
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
