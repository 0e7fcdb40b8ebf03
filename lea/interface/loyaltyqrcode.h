#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of the loyalty QR code.
class LoyaltyQRCode : public QObject
{
    Q_OBJECT

public:
    ~LoyaltyQRCode() override = default;

protected:
    explicit LoyaltyQRCode(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
