#include "bridge/staticsettings/network.h"
#include "core/machine/machine.h"
#include "core/machine/modemparameters.h"
#include "core/machine/wifiparameters.h"
#include "support/guardtest.h"

#include <QSignalSpy>

namespace {

using LeaNetwork = lea::staticsettings::Network;

// A link change of the machine and the one interface signal it must raise.
struct LinkChange
{
    const char* name;
    std::function<void(Machine&)> change;
    void (LeaNetwork::*signal)();
    std::function<bool(const LeaNetwork&)> reads;
};

void PrintTo(const LinkChange& c, std::ostream* os)
{
    *os << c.name;
}

const LinkChange kChanges[] = {
    { "EthernetUp", [](Machine& m) { m.ethernetParameters()->setActive(true); },
        &LeaNetwork::ethernetSettingsChanged,
        [](const LeaNetwork& n) { return n.ethernetSettings().active; } },
    { "WifiUp", [](Machine& m) { m.wifiParameters()->setActive(true); }, &LeaNetwork::wifiSettingsChanged,
        [](const LeaNetwork& n) { return n.wifiSettings().active && n.wifiSettings().ssid.isEmpty(); } },
    { "WifiJoinsNetwork", [](Machine& m) { m.wifiParameters()->setSSID(QStringLiteral("Café-5G")); },
        &LeaNetwork::ssidChanged,
        [](const LeaNetwork& n) {
            return !n.wifiSettings().active && n.wifiSettings().ssid == QStringLiteral("Café-5G");
        } },
    { "ModemOn", [](Machine& m) { m.modemParameters()->setEnabled(true); }, &LeaNetwork::modemSettingsChanged,
        [](const LeaNetwork& n) { return n.modemSettings().enabled; } },
};

class NetworkLinks : public MachineTest, public ::testing::WithParamInterface<LinkChange>
{
};

TEST_P(NetworkLinks, EachChangeReachesItsSignalOnceAndTheRecords)
{
    const std::unique_ptr<LeaNetwork> network = createAccessor<LeaNetwork>();
    ASSERT_TRUE(dynamic_cast<bridge::staticsettings::Network*>(network.get()));
    EXPECT_FALSE(GetParam().reads(*network));
    // Reading never adds a connection.
    for (int i = 0; i < 3; ++i) {
        network->wifiSettings();
        network->ethernetSettings();
        network->modemSettings();
    }
    QSignalSpy ethernet(network.get(), &LeaNetwork::ethernetSettingsChanged);
    QSignalSpy wifi(network.get(), &LeaNetwork::wifiSettingsChanged);
    QSignalSpy ssid(network.get(), &LeaNetwork::ssidChanged);
    QSignalSpy modem(network.get(), &LeaNetwork::modemSettingsChanged);
    const std::pair<QSignalSpy*, void (LeaNetwork::*)()> spies[]
        = { { &ethernet, &LeaNetwork::ethernetSettingsChanged }, { &wifi, &LeaNetwork::wifiSettingsChanged },
              { &ssid, &LeaNetwork::ssidChanged }, { &modem, &LeaNetwork::modemSettingsChanged } };

    Machine& core = *machine().core().machine();
    GetParam().change(core);
    GetParam().change(core); // the same state again is no change
    EXPECT_TRUE(GetParam().reads(*network));
    for (const auto& [spy, signal] : spies)
        EXPECT_EQ(spy->size(), signal == GetParam().signal ? 1 : 0);
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

INSTANTIATE_TEST_SUITE_P(Links, NetworkLinks, ::testing::ValuesIn(kChanges), caseName<LinkChange>);

using Network = bridge::staticsettings::Network;
const GuardCase<Network> kGuarded[] = {
    { "wifiSettings", [](Network& n) { return !n.wifiSettings().active; }, Guard::None },
    { "ethernetSettings", [](Network& n) { return !n.ethernetSettings().active; }, Guard::None },
    { "modemSettings", [](Network& n) { return !n.modemSettings().enabled; }, Guard::None },
    { "bluetoothSettings",
        [](Network& n) {
            const LeaNetwork::BluetoothSettings settings = n.bluetoothSettings();
            return !settings.enabled && settings.name.isEmpty();
        },
        Guard::Unsupported },
    { "setBluetoothSettings",
        [](Network& n) {
            n.setBluetoothSettings({ true, QStringLiteral("Machine") });
            return true;
        },
        Guard::Unsupported },
};
GUARD_TEST(NetworkGuard, LeaNetwork, Network, kGuarded);

} // namespace
