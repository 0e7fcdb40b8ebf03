#pragma once

#include "lea/hardware/modem.h"

class ModemManager;
class ModemParameters;

namespace bridge {
namespace hardware {

/// The mobile modem's signal, network identity and connection status; every
/// value is absent while the modem is switched off.
class Modem : public lea::hardware::Modem
{
    Q_OBJECT

public:
    explicit Modem(QObject* parent);
    ~Modem() override;

    nonstd::optional<int> rssi() const override;
    nonstd::optional<QString> plmn() const override;
    nonstd::optional<QString> imsi() const override;
    nonstd::optional<QString> imei() const override;
    nonstd::optional<QString> apn() const override;
    nonstd::optional<QString> mobileNetworkCode() const override;
    nonstd::optional<QString> mobileCountryCode() const override;
    nonstd::optional<QString> locationAreaCode() const override;
    nonstd::optional<QString> cellId() const override;
    nonstd::optional<ConnectionStatus> connectionStatus() const override;

private:
    /// The modem manager, or null while the modem is switched off.
    const ModemManager* activeManager() const;
    /// Every value may have appeared or gone.
    void allParametersChanged();
};

} // namespace hardware
} // namespace bridge
