#pragma once

#include "nonstd/optional.hpp"

#include <QObject>

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

    ~Televend() override = default;

protected:
    explicit Televend(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
