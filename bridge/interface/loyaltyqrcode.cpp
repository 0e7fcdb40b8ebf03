#include "bridge/interface/loyaltyqrcode.h"

#include "bridge/interface/qrcodetext.h"
#include "core/coreenvironment.h"
#include "core/loyalty/loyaltymanager.h"

namespace bridge {
namespace interface {

LoyaltyQRCode::LoyaltyQRCode(QObject* parent)
    : lea::interface::LoyaltyQRCode(parent)
{
    if (const core::loyalty::Manager* manager = gCoreEnv->loyaltyManager())
        connect(manager->qrCode(), &AbstractQrCode::dataChanged, this, &LoyaltyQRCode::dataChanged);
}

LoyaltyQRCode::~LoyaltyQRCode() = default;

lea::interface::LoyaltyQRCode::Settings LoyaltyQRCode::settings() const
{
    const core::loyalty::Manager* manager = gCoreEnv->loyaltyManager();
    if (!manager)
        return {};
    Settings settings { manager->isEnabled(), nonstd::nullopt, manager->firstText(), manager->secondText() };
    if (manager->loyaltyDate().isValid())
        settings.date = manager->loyaltyDate().date();
    return settings;
}

QString LoyaltyQRCode::data() const
{
    const core::loyalty::Manager* manager = gCoreEnv->loyaltyManager();
    return detail::qrCodeText(manager ? manager->qrCode() : nullptr);
}

} // namespace interface
} // namespace bridge
