#include "bridge/connectivity/sophia.h"
#include "bridge/qml/sophiaproperties.h"
#include "core/configuration/configuration.h"
#include "core/configuration/generalsettings.h"
#include "support/accessors.h"
#include "support/machinetest.h"

#include <QSignalSpy>
#include <stdexcept>

namespace {

using LeaSophia = lea::connectivity::Sophia;
using bridge::qml::SophiaProperties;

class SophiaTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        sophia = createAccessor<LeaSophia>();
        ASSERT_TRUE(dynamic_cast<bridge::connectivity::Sophia*>(sophia.get()));
    }

    static SophiaProperties* properties() { return SophiaProperties::instance(); }

    std::unique_ptr<LeaSophia> sophia;
};

TEST_F(SophiaTest, TheServerFollowsTheConfigurationsTestServerFlag)
{
    const LeaSophia::Settings production = sophia->settings();
    EXPECT_FALSE(production.testServer);
    EXPECT_EQ(production.port, 12007);
    EXPECT_TRUE(production.reportStatistics);
    EXPECT_FALSE(production.reportEvents);
    EXPECT_EQ(production.encrypted, 0);
    EXPECT_TRUE(production.comment.isEmpty());

    loadConfiguration()->generalSettings()->setIsSophiaTestServerEnabled(true);
    const LeaSophia::Settings test = sophia->settings();
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
    sophia->setSettings(settings);
    EXPECT_EQ(properties()->hostname(), QStringLiteral("relay.local"));
    EXPECT_EQ(properties()->port(), 4242);

    // A changed flag is stored and brings its own server.
    settings.testServer = true;
    sophia->setSettings(settings);
    EXPECT_TRUE(loadConfiguration()->generalSettings()->isSophiaTestServerEnabled());
    EXPECT_EQ(properties()->hostname(), sophia->settings().hostname);
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
    QSignalSpy changed(sophia.get(), &LeaSophia::modemStateChanged);
    int changes = 0;
    for (const auto& [state, shown] : states) {
        changes += properties()->state() != shown;
        sophia->setModemState(state);
        EXPECT_EQ(properties()->state(), shown);
        EXPECT_EQ(sophia->modemState(), state);
    }
    EXPECT_EQ(changed.count(), changes);
    const auto before = properties()->state();
    EXPECT_THROW(sophia->setModemState(static_cast<LeaSophia::ModemState>(42)), std::exception);
    EXPECT_EQ(properties()->state(), before);
}

TEST_F(SophiaTest, ModemDataIsKeptAndAnnouncedOnEveryReport)
{
    QSignalSpy announced(properties(), &SophiaProperties::modemDataChanged);
    const LeaSophia::ModemData data { QStringLiteral("8931"), QStringLiteral("fw 2"), -71, 0,
        QStringLiteral("x") };
    sophia->setModemData(data);
    sophia->setModemData(data);
    EXPECT_EQ(announced.count(), 2);
    const LeaSophia::ModemData read = sophia->modemData();
    EXPECT_EQ(read.simIdentifier, data.simIdentifier);
    EXPECT_EQ(read.firmware, data.firmware);
    EXPECT_EQ(read.dbm, -71);
    EXPECT_EQ(read.bitErrorRate, 99);
    EXPECT_TRUE(read.comment.isEmpty());

    sophia->setActive(true);
    sophia->setIsConnected(true);
    sophia->setNetworkLog(QStringLiteral("up"));
    EXPECT_TRUE(sophia->active());
    EXPECT_TRUE(sophia->isConnected());
    EXPECT_EQ(properties()->networkLog(), QStringLiteral("up"));
}

TEST_F(SophiaTest, TheOperatorsRequestsReachTheClient)
{
    QSignalSpy start(sophia.get(), &LeaSophia::modemDaemonStartAsked);
    QSignalSpy stop(sophia.get(), &LeaSophia::modemDaemonStopAsked);
    QSignalSpy pages(sophia.get(), &LeaSophia::updateNetworkLog);
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
