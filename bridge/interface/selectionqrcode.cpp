#include "bridge/interface/selectionqrcode.h"

#include "bridge/interface/qrcodemodeenumconverter.h"
#include "bridge/interface/qrcodetext.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/machine/machine.h"
#include "core/machine/selectionqrcode.h"

namespace bridge {
namespace interface {

namespace {
SelectionQrCode* coreCode()
{
    return gCoreEnv->machine()->selectionQrCode();
}
} // namespace

SelectionQRCode::SelectionQRCode(QObject* parent)
    : lea::interface::SelectionQRCode(parent)
{
    if (SelectionQrCode* code = coreCode())
        connect(code, &AbstractQrCode::dataChanged, this, &SelectionQRCode::dataChanged);
}

SelectionQRCode::~SelectionQRCode() = default;

lea::interface::SelectionQRCode::Mode SelectionQRCode::mode() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return Mode0;
    return QRCodeModeEnumConverter::toExternalOrThrow(configuration->generalSettings()->qrCodeMode());
}

QString SelectionQRCode::data() const
{
    return detail::qrCodeText(coreCode());
}

lea::QRCodeData SelectionQRCode::machine() const
{
    const SelectionQrCode* code = coreCode();
    return code ? lea::QRCodeData { code->machineId(), code->machineUrl() } : lea::QRCodeData {};
}

void SelectionQRCode::setMachine(const lea::QRCodeData& data)
{
    if (SelectionQrCode* code = coreCode())
        code->setMachineData(data.id, data.url);
}

} // namespace interface
} // namespace bridge
