#pragma once

#include "lea/connectivity/televend.h"

namespace bridge {
namespace connectivity {

/// Passes the Televend client's reports to the "Televend" QML properties, the
/// operator's requests from there back to the client, and the cloud
/// connection to the machine. The enabled flag follows the loaded
/// configuration's Televend settings.
class Televend : public lea::connectivity::Televend
{
    Q_OBJECT

public:
    explicit Televend(QObject* parent);
    ~Televend() override;

    /// False while no configuration is loaded.
    bool enabled() const override;
    QString pid() const override;
    /// Not offered: warns and gives zero settings.
    PeriodicMessageSendingSettings periodicMessageSendingSettings() const override;

public slots:
    void onPidChanged(const QString& pid) override;
    void vamConnectedChanged(bool connected) override;
    void tamConnectedChanged(bool connected) override;
    void networkLogChanged(const QString& log) override;
    void localVamApiVersionChanged(const ApiVersion& version) override;
    void localTamApiVersionChanged(const ApiVersion& version) override;
    void remoteVamApiVersionChanged(const ApiVersion& version) override;
    void remoteTamApiVersionChanged(const ApiVersion& version) override;
    void onPendingEventsChanged(int events) override;
    void onPendingVendsChanged(int vends) override;
    void onActivationStatusChanged(const ActivationStatus& status) override;
    /// Also tells the machine whether the cloud is reached.
    void cloudConnectionStatusChanged(CloudConnectionStatus status) override;
    void onAckReceived(const QString& type) override;
    void onNakReceived(const QString& type) override;

private slots:
    void onConfigurationChanged();
    void onEnabledChanged();
    void onUpdateNetworkLog(int linesPerPage);
};

} // namespace connectivity
} // namespace bridge
