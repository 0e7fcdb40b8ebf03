#include "bridge/connectivity/sophia.h"
#include "bridge/qml/sophiaproperties.h"
#include "core/configuration/configuration.h"
#include "core/configuration/generalsettings.h"
#include "support/machineaccessortest.h"

#include <QSignalSpy>
#include <stdexcept>

namespace {

using LeaSophia = lea::connectivity::Sophia;
using bridge::qml::SophiaProperties;

class SophiaTest : public MachineAccessorTest<LeaSophia, bridge::connectivity::Sophia>
{
protected:
    static SophiaProperties* properties() { return SophiaProperties::instance(); }
};

TEST_F(SophiaTest, TheServerFollowsTheConfigurationsTestServerFlag)
{
    const LeaSophia::Settings production = accessor->settings();
    EXPECT_FALSE(production.testServer);
    EXPECT_EQ(production.port, 12007);
    EXPECT_TRUE(production.reportStatistics);
    EXPECT_FALSE(production.reportEvents);
    EXPECT_EQ(production.encrypted, 0);
    EXPECT_TRUE(production.comment.isEmpty());

    loadConfiguration()->generalSettings()->setIsSophiaTestServerEnabled(true);
    const LeaSophia::Settings test = accessor->settings();
    EXPECT_TRUE(test.testServer);
    EXPECT_EQ(test.port, 12007);
    EXPECT_NE(test.hostname, production.hostname);
    EXPECT_EQ(properties()->hostname(), test.hostname) << "the flag's change is applied at once";
    EXPECT_EQ(properties()->port(), 12007);

    loadConfiguration()->generalSettings()->setIsSophiaTestServerEnabled(false);
    EXPECT_EQ(properties()->hostname(), production.hostname);
}

TEST_F(SophiaTest, SettingsFromTheClientReachThePropertiesAndTheStoredFlag)
{
    loadConfiguration();
    LeaSophia::Settings settings;
    settings.hostname = QStringLiteral("relay.local");
    settings.port = 4242;
    accessor->setSettings(settings);
    EXPECT_EQ(properties()->hostname(), QStringLiteral("relay.local"));
    EXPECT_EQ(properties()->port(), 4242);

    // A changed flag is stored and brings its own server.
    settings.testServer = true;
    accessor->setSettings(settings);
    EXPECT_TRUE(loadConfiguration()->generalSettings()->isSophiaTestServerEnabled());
    EXPECT_EQ(properties()->hostname(), accessor->settings().hostname);
    EXPECT_EQ(properties()->port(), 12007);
}

TEST_F(SophiaTest, ModemStatesCrossBothWaysAndAnUnknownOneIsRefused)
{
    const std::pair<LeaSophia::ModemState, SophiaProperties::State> states[] = {
        { LeaSophia::FirstStart, SophiaProperties::FirstStart },
        { LeaSophia::NotFound, SophiaProperties::NotFound },
        { LeaSophia::ErrorCollectingData, SophiaProperties::ErrorCollectingData },
        { LeaSophia::NotReady, SophiaProperties::NotReady },
        { LeaSophia::WaitData, SophiaProperties::WaitData },
        { LeaSophia::Ready, SophiaProperties::Ready },
    };
    QSignalSpy changed(accessor.get(), &LeaSophia::modemStateChanged);
    int changes = 0;
    for (const auto& [state, shown] : states) {
        changes += properties()->state() != shown;
        accessor->setModemState(state);
        EXPECT_EQ(properties()->state(), shown);
        EXPECT_EQ(accessor->modemState(), state);
    }
    EXPECT_EQ(changed.count(), changes);
    const auto before = properties()->state();
    EXPECT_THROW(accessor->setModemState(static_cast<LeaSophia::ModemState>(42)), std::exception);
    EXPECT_EQ(properties()->state(), before);
}

TEST_F(SophiaTest, ModemDataIsKeptAndAnnouncedOnEveryReport)
{
    QSignalSpy announced(properties(), &SophiaProperties::modemDataChanged);
    const LeaSophia::ModemData data { QStringLiteral("8931"), QStringLiteral("fw 2"), -71, 0,
        QStringLiteral("x") };
    accessor->setModemData(data);
    accessor->setModemData(data);
    EXPECT_EQ(announced.count(), 2);
    const LeaSophia::ModemData read = accessor->modemData();
    EXPECT_EQ(read.simIdentifier, data.simIdentifier);
    EXPECT_EQ(read.firmware, data.firmware);
    EXPECT_EQ(read.dbm, -71);
    EXPECT_EQ(read.bitErrorRate, 99);
    EXPECT_TRUE(read.comment.isEmpty());

    accessor->setActive(true);
    accessor->setIsConnected(true);
    accessor->setNetworkLog(QStringLiteral("up"));
    EXPECT_TRUE(accessor->active());
    EXPECT_TRUE(accessor->isConnected());
    EXPECT_EQ(properties()->networkLog(), QStringLiteral("up"));
}

TEST_F(SophiaTest, TheOperatorsRequestsReachTheClient)
{
    QSignalSpy start(accessor.get(), &LeaSophia::modemDaemonStartAsked);
    QSignalSpy stop(accessor.get(), &LeaSophia::modemDaemonStopAsked);
    QSignalSpy pages(accessor.get(), &LeaSophia::updateNetworkLog);
    properties()->startModemDeamon();
    properties()->stopModemDeamon();
    emit properties()->updateNetworkLog(2);
    emit properties()->updateNetworkLog(-5);
    EXPECT_EQ(start.count(), 1);
    EXPECT_EQ(stop.count(), 1);
    ASSERT_EQ(pages.count(), 1);
    EXPECT_EQ(pages.at(0).at(0).toUInt(), 2u);
}

} // namespace
