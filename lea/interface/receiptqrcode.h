#pragma once

#include <cstdint>
#include <QObject>
#include <QString>

namespace lea {
namespace interface {

/// Accessor of the QR code printed on a receipt.
class ReceiptQRCode : public QObject
{
    Q_OBJECT

public:
    /// The receipt code's settings; the two numbers pass through unchanged.
    struct Settings
    {
        bool enabled = false;
        int64_t first = 0;
        int64_t second = 0;
    };

    ~ReceiptQRCode() override = default;

    virtual Settings settings() const = 0;
    /// The text the code encodes; empty when there is none.
    virtual QString data() const = 0;

signals:
    void dataChanged();

protected:
    explicit ReceiptQRCode(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
