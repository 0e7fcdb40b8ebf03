#pragma once

#include "lea/qrcodedata.h"

#include <QObject>
#include <QString>

namespace lea {
namespace interface {

/// Accessor of the QR code the machine shows for a selection.
class SelectionQRCode : public QObject
{
    Q_OBJECT

public:
    /// When the QR code is shown; the machine's own numbering.
    enum Mode : int32_t {
        Mode0 = 0,
        Mode1 = 1,
        Mode2 = 2,
    };
    Q_ENUM(Mode)

    ~SelectionQRCode() override = default;

    virtual Mode mode() const = 0;
    /// The text the code encodes; empty when the machine shows none.
    virtual QString data() const = 0;
    /// The machine's part of the code.
    virtual lea::QRCodeData machine() const = 0;
    virtual void setMachine(const lea::QRCodeData& data) = 0;

signals:
    void dataChanged();

protected:
    explicit SelectionQRCode(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
