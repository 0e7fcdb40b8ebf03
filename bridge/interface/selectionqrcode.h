#pragma once

#include "lea/interface/selectionqrcode.h"

namespace bridge {
namespace interface {

/// The QR code the machine shows for a selection: its mode from the general
/// settings, its text, and the machine's part of it. Without the machine's
/// selection code object the text is empty and the machine's part is not kept.
class SelectionQRCode : public lea::interface::SelectionQRCode
{
    Q_OBJECT

public:
    explicit SelectionQRCode(QObject* parent);
    ~SelectionQRCode() override;

    Mode mode() const override;
    QString data() const override;
    lea::QRCodeData machine() const override;
    void setMachine(const lea::QRCodeData& data) override;
};

} // namespace interface
} // namespace bridge
