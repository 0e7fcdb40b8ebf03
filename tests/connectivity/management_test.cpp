#include "bridge/connectivity/management.h"
#include "core/configuration/configuration.h"
#include "core/configuration/newdigitalsettings.h"
#include "core/configuration/televendsettings.h"
#include "core/machine/machine.h"
#include "core/tools/envvars.h"
#include "support/accessors.h"
#include "support/machinetest.h"

#include <functional>
#include <QSignalSpy>

namespace {

using Management = bridge::connectivity::Management;
using LeaManagement = lea::connectivity::Management;

/// One switch: how the core turns it on or off (stored, so that a reload
/// keeps it), how the accessor reads it and the signal that announces it.
struct Switch
{
    const char* name;
    std::function<void(Configuration&, bool)> set;
    bool (LeaManagement::*read)() const;
    void (LeaManagement::*changed)(bool);
};

void PrintTo(const Switch& entry, std::ostream* os)
{
    *os << entry.name;
}

const Switch kSwitches[] = {
    { "AmiClo", [](Configuration& c, bool on) { ASSERT_TRUE(c.generalSettings()->setEnableAmiClo(on)); },
        &LeaManagement::amicloEnabled, &LeaManagement::amicloEnabledChanged },
    { "Paxio",
        [](Configuration& c, bool on) {
            c.paymentSettings()->setPaxioEnabled(on);
            ASSERT_TRUE(c.savePaymentSettings());
        },
        &LeaManagement::paxioEnabled, &LeaManagement::paxioEnabledChanged },
    { "Televend", [](Configuration& c, bool on) { ASSERT_TRUE(c.televendSettings()->setEnabled(on)); },
        &LeaManagement::televendEnabled, &LeaManagement::televendEnabledChanged },
    { "NewDigital", [](Configuration& c, bool on) { ASSERT_TRUE(c.newDigitalSettings()->setEnabled(on)); },
        &LeaManagement::newDigitalEnabled, &LeaManagement::newDigitalEnabledChanged },
    { "RemoteSelector",
        [](Configuration& c, bool on) {
            c.paymentSettings()->setCashless1RemoteSelection(on);
            ASSERT_TRUE(c.savePaymentSettings());
        },
        &LeaManagement::remoteSelectorMdbEnabled, &LeaManagement::remoteSelectorEnabledChanged },
};

class ManagementTest : public MachineTest
{
protected:
    void TearDown() override
    {
        EnvVars::set(EnvVars::Macas, false);
        MachineTest::TearDown();
    }

    std::unique_ptr<Management> create() { return createAccessor<LeaManagement, Management>(); }

    static void expectNeverSophiaNorTouchless(const Management& management)
    {
        EXPECT_FALSE(management.sophiaEnabled());
        EXPECT_FALSE(management.touchlessEnabled());
    }
};

class ManagementSwitch : public ManagementTest, public ::testing::WithParamInterface<Switch>
{
};

TEST_P(ManagementSwitch, FollowsItsSettingLiveAndAnnouncesEachChangeOnce)
{
    const Switch& entry = GetParam();
    Configuration* configuration = loadConfiguration();
    const auto management = create();
    ASSERT_TRUE(management);
    QSignalSpy changed(management.get(), entry.changed);
    for (const bool on : { true, true, false, false, true }) {
        entry.set(*configuration, on);
        EXPECT_EQ((management.get()->*entry.read)(), on);
        expectNeverSophiaNorTouchless(*management);
    }
    ASSERT_EQ(changed.count(), 3);
    EXPECT_EQ(changed.at(0).at(0), true);
    EXPECT_EQ(changed.at(1).at(0), false);
    EXPECT_EQ(changed.at(2).at(0), true);
}

TEST_P(ManagementSwitch, IsReadAgainWithEveryConfigurationAndOffWithoutOne)
{
    const Switch& entry = GetParam();
    entry.set(*loadConfiguration(), true);
    unloadConfiguration();
    const auto management = create();
    EXPECT_FALSE((management.get()->*entry.read)());
    QSignalSpy changed(management.get(), entry.changed);

    loadConfiguration();
    EXPECT_TRUE((management.get()->*entry.read)());
    EXPECT_EQ(changed.count(), 1);
    loadConfiguration();
    EXPECT_TRUE((management.get()->*entry.read)());
    EXPECT_EQ(changed.count(), 1) << "the same value loaded again is no change";

    unloadConfiguration();
    EXPECT_FALSE((management.get()->*entry.read)());
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(1).at(0), false);
    expectNeverSophiaNorTouchless(*management);
}

INSTANTIATE_TEST_SUITE_P(Switches, ManagementSwitch, ::testing::ValuesIn(kSwitches), caseName<Switch>);

TEST_F(ManagementTest, TheRemoteSelectorSwitchesPaxioOnAndIsAnnouncedOnEveryCashlessChange)
{
    Configuration* configuration = loadConfiguration();
    configuration->paymentSettings()->setCashless2RemoteSelection(true);
    ASSERT_TRUE(configuration->savePaymentSettings());
    unloadConfiguration();
    const auto management = create();
    QSignalSpy selector(management.get(), &LeaManagement::remoteSelectorEnabledChanged);
    QSignalSpy paxio(management.get(), &LeaManagement::paxioEnabledChanged);

    configuration = loadConfiguration();
    EXPECT_TRUE(management->remoteSelectorMdbEnabled());
    EXPECT_TRUE(management->paxioEnabled());
    EXPECT_EQ(paxio.count(), 1);
    EXPECT_EQ(selector.count(), 1);

    configuration->paymentSettings()->setCashless1RemoteSelection(true);
    EXPECT_EQ(selector.count(), 2);
    EXPECT_EQ(selector.last().at(0), true);

    // Unchanged settings loaded again leave Paxio on, unannounced.
    ASSERT_TRUE(loadConfiguration()->savePaymentSettings());
    loadConfiguration();
    EXPECT_TRUE(management->paxioEnabled());
    EXPECT_EQ(paxio.count(), 1);

    unloadConfiguration();
    EXPECT_FALSE(management->remoteSelectorMdbEnabled());
    EXPECT_FALSE(management->paxioEnabled());
    EXPECT_EQ(paxio.count(), 2);
    EXPECT_EQ(selector.last().at(0), false);
}

TEST_F(ManagementTest, TheErsProtocolFollowsQrCodeSelectionWhileLoadedOrTheEnvironmentSwitch)
{
    Machine* machine = gCoreEnv->machine();
    machine->setSelectionQrCodeActive(true);
    const auto management = create();
    EXPECT_FALSE(management->ersprotocolEnabled()) << "not without a configuration";
    QSignalSpy changed(management.get(), &LeaManagement::ersprotocolEnabledChanged);
    loadConfiguration();
    EXPECT_TRUE(management->ersprotocolEnabled());
    machine->setSelectionQrCodeActive(false);
    EXPECT_FALSE(management->ersprotocolEnabled());
    loadConfiguration();
    loadConfiguration();
    machine->setSelectionQrCodeActive(true);
    EXPECT_EQ(changed.count(), 3) << "one connection however often configurations change";

    EnvVars::set(EnvVars::Macas, true);
    unloadConfiguration();
    EXPECT_TRUE(management->ersprotocolEnabled());
    machine->setSelectionQrCodeActive(false);
    EXPECT_TRUE(management->ersprotocolEnabled());
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(ManagementTest, MaestroIsOnWithAConfigurationOnItsBoardOnly)
{
    loadConfiguration();
    EXPECT_FALSE(create()->maestroEnabled());
    gCoreEnv->setHardwareKind(5);
    const auto management = create();
    EXPECT_TRUE(management->maestroEnabled());
    QSignalSpy changed(management.get(), &LeaManagement::maestroEnabledChanged);
    loadConfiguration();
    EXPECT_EQ(changed.count(), 0);
    unloadConfiguration();
    EXPECT_FALSE(management->maestroEnabled());
    loadConfiguration();
    EXPECT_TRUE(management->maestroEnabled());
    EXPECT_EQ(changed.count(), 2);
    expectNeverSophiaNorTouchless(*management);
}

} // namespace
