#pragma once

#include "nonstd/optional.hpp"

#include <QObject>
#include <QString>

namespace lea {
namespace connectivity {

/// Accessor of the Televend client.
class Televend : public QObject
{
    Q_OBJECT

public:
    enum CloudConnectionStatus : qint32 {
        NotConnected = 0,
        Connecting = 1,
        ConnectedIdle = 2,
        ConnectedActive = 3,
    };
    Q_ENUM(CloudConnectionStatus)

    /// What the operator asks the Televend service to do.
    enum ActionType : qint32 {
        CashCollection = 0,
        Refill = 1,
        PullConfiguration = 2,
        PullPrices = 3,
    };
    Q_ENUM(ActionType)

    /// A version triple of one of the service's APIs.
    struct ApiVersion
    {
        qint32 majorNumber = 0;
        qint32 minorNumber = 0;
        qint32 patchNumber = 0;
    };

    /// The activation state of the machine's board; status 3 carries the
    /// number of the error that stopped the activation.
    struct ActivationStatus
    {
        qint32 status = 0;
        nonstd::optional<qint32> error;

        bool operator==(const ActivationStatus& other) const
        {
            return status == other.status && error == other.error;
        }
        bool operator!=(const ActivationStatus& other) const { return !(*this == other); }
    };

    /// How often the client sends its periodic messages.
    struct PeriodicMessageSendingSettings
    {
        bool enabled = false;
        qint32 intervalMinutes = 0;
    };

    ~Televend() override = default;

    /// The service is switched on in the loaded configuration.
    virtual bool enabled() const = 0;
    /// The machine's PID as the client last reported it.
    virtual QString pid() const = 0;
    virtual PeriodicMessageSendingSettings periodicMessageSendingSettings() const = 0;

public slots:
    // The client's reports.
    virtual void onPidChanged(const QString& pid) = 0;
    virtual void vamConnectedChanged(bool connected) = 0;
    virtual void tamConnectedChanged(bool connected) = 0;
    virtual void networkLogChanged(const QString& log) = 0;
    virtual void localVamApiVersionChanged(const lea::connectivity::Televend::ApiVersion& version) = 0;
    virtual void localTamApiVersionChanged(const lea::connectivity::Televend::ApiVersion& version) = 0;
    virtual void remoteVamApiVersionChanged(const lea::connectivity::Televend::ApiVersion& version) = 0;
    virtual void remoteTamApiVersionChanged(const lea::connectivity::Televend::ApiVersion& version) = 0;
    virtual void onPendingEventsChanged(int events) = 0;
    virtual void onPendingVendsChanged(int vends) = 0;
    virtual void onActivationStatusChanged(const lea::connectivity::Televend::ActivationStatus& status) = 0;
    virtual void cloudConnectionStatusChanged(lea::connectivity::Televend::CloudConnectionStatus status) = 0;
    virtual void onAckReceived(const QString& type) = 0;
    virtual void onNakReceived(const QString& type) = 0;

signals:
    void enabledChanged(bool enabled);
    void pidChanged();
    // The operator's requests, for the client.
    void updateNetworkLog(unsigned int linesPerPage);
    void sendAction(lea::connectivity::Televend::ActionType actionType);
    void sendFactoryReset(bool deactivate);
    void sendActivation(const QString& serverIP, const QString& activationCode);

protected:
    explicit Televend(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
