#include "bridge/interface/receiptqrcode.h"

#include "bridge/interface/qrcodetext.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/configuration/generalsettings.h"
#include "core/machine/machine.h"

namespace bridge {
namespace interface {

ReceiptQRCode::ReceiptQRCode(QObject* parent)
    : lea::interface::ReceiptQRCode(parent)
{
    if (AbstractQrCode* code = gCoreEnv->machine()->receiptQrCode())
        connect(code, &AbstractQrCode::dataChanged, this, &ReceiptQRCode::dataChanged);
}

ReceiptQRCode::~ReceiptQRCode() = default;

lea::interface::ReceiptQRCode::Settings ReceiptQRCode::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const GeneralSettings& general = *configuration->generalSettings();
    return { general.receiptQrCodeEnabled(), general.receiptQrCodeFirst(), general.receiptQrCodeSecond() };
}

QString ReceiptQRCode::data() const
{
    return detail::qrCodeText(gCoreEnv->machine()->receiptQrCode());
}

} // namespace interface
} // namespace bridge
