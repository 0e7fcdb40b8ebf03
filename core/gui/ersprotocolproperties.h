#pragma once

#include "core/gui/ersstatusgroup.h"

#include <QObject>

/// The states of the ERS protocol's integrations as the core GUI shows them:
/// one group for the QR code payment system, one for Macas. One instance per
/// process.
class ERSProtocolProperties : public QObject
{
    Q_OBJECT

public:
    enum Status : int {
        Inactive = 0,
        Initializing = 1,
        Ready = 2,
        Busy = 3,
        Error = 4,
        Offline = 5,
    };
    Q_ENUM(Status)

    /// Made on the first call, never destroyed.
    static ERSProtocolProperties* instance();

    ErsStatusGroup* qrCodePaymentSystem() const { return m_qrCodePaymentSystem; }
    ErsStatusGroup* macas() const { return m_macas; }

private:
    ERSProtocolProperties();
    ~ERSProtocolProperties() override;

    ErsStatusGroup* m_qrCodePaymentSystem;
    ErsStatusGroup* m_macas;
};
