#pragma once

#include <QObject>
#include <QString>

namespace lea {
namespace staticsettings {

/// Accessor of the network links: ethernet, Wi-Fi, modem and Bluetooth.
class Network : public QObject
{
    Q_OBJECT

public:
    ~Network() override = default;

    /// The Wi-Fi link.
    struct WifiSettings
    {
        bool active = false;
        QString ssid;
    };
    /// The wired link.
    struct EthernetSettings
    {
        bool active = false;
    };
    /// The mobile modem.
    struct ModemSettings
    {
        bool enabled = false;
    };
    /// The Bluetooth radio.
    struct BluetoothSettings
    {
        bool enabled = false;
        QString name;
    };

    virtual WifiSettings wifiSettings() const = 0;
    virtual EthernetSettings ethernetSettings() const = 0;
    virtual ModemSettings modemSettings() const = 0;
    virtual BluetoothSettings bluetoothSettings() const = 0;
    virtual void setBluetoothSettings(const BluetoothSettings& settings) = 0;

signals:
    void ethernetSettingsChanged();
    void wifiSettingsChanged();
    void ssidChanged();
    void modemSettingsChanged();

protected:
    explicit Network(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
