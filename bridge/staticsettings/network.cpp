#include "bridge/staticsettings/network.h"

#include "core/coreenvironment.h"
#include "core/log/assert.h"
#include "core/machine/machine.h"
#include "core/machine/modemparameters.h"
#include "core/machine/wifiparameters.h"

#include <string>

namespace bridge {
namespace staticsettings {

namespace {

const Machine& machine()
{
    return *gCoreEnv->machine();
}

void reportNotImplemented(const char* signature, int line)
{
    const std::string message = std::string(signature) + "is not implemented.";
    printReleaseAssertMsg("", message.c_str(), __FILE__, line);
}

} // namespace

Network::Network(QObject* parent)
    : lea::staticsettings::Network(parent)
{
    // The links belong to the machine, which outlives every accessor.
    connect(machine().ethernetParameters(), &NetworkParameters::isActiveChanged, this,
        &lea::staticsettings::Network::ethernetSettingsChanged);
    connect(machine().wifiParameters(), &NetworkParameters::isActiveChanged, this,
        &lea::staticsettings::Network::wifiSettingsChanged);
    connect(machine().wifiParameters(), &WifiParameters::SSIDChanged, this,
        &lea::staticsettings::Network::ssidChanged);
    connect(machine().modemParameters(), &ModemParameters::isEnabledChanged, this,
        &lea::staticsettings::Network::modemSettingsChanged);
}

Network::~Network() = default;

lea::staticsettings::Network::WifiSettings Network::wifiSettings() const
{
    const WifiParameters& wifi = *machine().wifiParameters();
    return { wifi.isActive(), wifi.SSID() };
}

lea::staticsettings::Network::EthernetSettings Network::ethernetSettings() const
{
    return { machine().ethernetParameters()->isActive() };
}

lea::staticsettings::Network::ModemSettings Network::modemSettings() const
{
    return { machine().modemParameters()->isEnabled() };
}

lea::staticsettings::Network::BluetoothSettings Network::bluetoothSettings() const
{
    reportNotImplemented(Q_FUNC_INFO, __LINE__);
    return {};
}

void Network::setBluetoothSettings(const BluetoothSettings&)
{
    reportNotImplemented(Q_FUNC_INFO, __LINE__);
}

} // namespace staticsettings
} // namespace bridge
