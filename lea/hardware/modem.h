#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>
#include <QString>

namespace lea {
namespace hardware {

/// Accessor of the modem.
class Modem : public QObject
{
    Q_OBJECT

public:
    enum ConnectionStatus : int32_t {
        Disconnected = 0,
        Connecting = 1,
        Connected = 2,
        Unknown = 3,
    };
    Q_ENUM(ConnectionStatus)

    ~Modem() override = default;

    /// Signal quality in percent.
    virtual nonstd::optional<int> rssi() const = 0;
    /// Public land mobile network the modem is registered with.
    virtual nonstd::optional<QString> plmn() const = 0;
    virtual nonstd::optional<QString> imsi() const = 0;
    virtual nonstd::optional<QString> imei() const = 0;
    /// Access point name.
    virtual nonstd::optional<QString> apn() const = 0;
    virtual nonstd::optional<QString> mobileNetworkCode() const = 0;
    virtual nonstd::optional<QString> mobileCountryCode() const = 0;
    virtual nonstd::optional<QString> locationAreaCode() const = 0;
    virtual nonstd::optional<QString> cellId() const = 0;
    virtual nonstd::optional<ConnectionStatus> connectionStatus() const = 0;

signals:
    void rssiChanged();
    void plmnChanged();
    void imsiChanged();
    void imeiChanged();
    void apnChanged();
    void mobileCountryCodeChanged();
    void mobileNetworkCodeChanged();
    void locationAreaCodeChanged();
    void cellIdChanged();

protected:
    explicit Modem(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
