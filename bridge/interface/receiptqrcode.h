#pragma once

#include "lea/interface/receiptqrcode.h"

namespace bridge {
namespace interface {

/// The QR code printed on receipts: its settings from the general settings and
/// its text; empty on a machine without a receipt code.
class ReceiptQRCode : public lea::interface::ReceiptQRCode
{
    Q_OBJECT

public:
    explicit ReceiptQRCode(QObject* parent);
    ~ReceiptQRCode() override;

    Settings settings() const override;
    QString data() const override;
};

} // namespace interface
} // namespace bridge
