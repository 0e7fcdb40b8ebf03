#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of the receipt QR code.
class ReceiptQRCode : public QObject
{
    Q_OBJECT

public:
    ~ReceiptQRCode() override = default;

protected:
    explicit ReceiptQRCode(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
