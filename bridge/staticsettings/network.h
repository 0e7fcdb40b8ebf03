#pragma once

#include "lea/staticsettings/network.h"

namespace bridge {
namespace staticsettings {

/// The state of the machine's ethernet, Wi-Fi and modem links, read at each
/// call, with their changes relayed. This machine has no Bluetooth.
class Network : public lea::staticsettings::Network
{
    Q_OBJECT

public:
    explicit Network(QObject* parent);
    ~Network() override;

    WifiSettings wifiSettings() const override;
    EthernetSettings ethernetSettings() const override;
    ModemSettings modemSettings() const override;
    /// Not supported: reported, and an empty record returned.
    BluetoothSettings bluetoothSettings() const override;
    /// Not supported: reported, and nothing done.
    void setBluetoothSettings(const BluetoothSettings& settings) override;
};

} // namespace staticsettings
} // namespace bridge
