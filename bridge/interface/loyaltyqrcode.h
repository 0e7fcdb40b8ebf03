#pragma once

#include "lea/interface/loyaltyqrcode.h"

namespace bridge {
namespace interface {

/// The loyalty programme's QR code and settings; disabled and empty on a
/// machine without the programme.
class LoyaltyQRCode : public lea::interface::LoyaltyQRCode
{
    Q_OBJECT

public:
    explicit LoyaltyQRCode(QObject* parent);
    ~LoyaltyQRCode() override;

    Settings settings() const override;
    QString data() const override;
};

} // namespace interface
} // namespace bridge
