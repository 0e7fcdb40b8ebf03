#pragma once

#include "lea/ids.h"
#include "nonstd/optional.hpp"

#include <QObject>
#include <QString>

namespace lea {
namespace connectivity {

/// Accessor of the ERS protocol: the products' selection numbers and the
/// state of its payment integrations.
class ERSProtocol : public QObject
{
    Q_OBJECT

public:
    /// The state of one integration.
    enum Status : qint32 {
        Inactive = 0,
        Initializing = 1,
        Ready = 2,
        Busy = 3,
        Error = 4,
        Offline = 5,
    };
    Q_ENUM(Status)

    /// Which ERS integrations the machine runs.
    struct Settings
    {
        bool selectionQrCodeActive = false;
        bool coffeeAppealActive = false;
        bool vireoProUpActive = false;
        /// The machine runs for the Macas payment integration.
        bool macasActive = false;
        QString terminalId;
        qint32 paymentSystem = -1;
    };

    ~ERSProtocol() override = default;

    /// The protocol has something to serve: the selection QR code or Macas.
    virtual bool available() const
    {
        const Settings current = settings();
        return current.selectionQrCodeActive || current.macasActive;
    }

    virtual nonstd::optional<unsigned char> selectionNumber(const ProductDbId& productId) const = 0;
    virtual nonstd::optional<ProductDbId> dbId(unsigned char selectionNumber) const = 0;
    virtual void setSelectionNumber(const ProductDbId& productId, unsigned char selectionNumber) = 0;
    virtual void setQRCodePSStatus(Status status) = 0;
    virtual void setMacasStatus(Status status) = 0;
    virtual void setCoffeeAppealStatus(Status status) = 0;
    virtual void setVireoProUpStatus(Status status) = 0;
    virtual Settings settings() const = 0;

signals:
    void availableChanged();

protected:
    explicit ERSProtocol(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
