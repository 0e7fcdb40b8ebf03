#include "bridge/connectivity/ersprotocol.h"

#include "bridge/connectivity/ersstatusenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/gui/ersprotocolproperties.h"
#include "core/log/logformatter.h"
#include "core/machine/machine.h"
#include "core/machine/uartmanager.h"
#include "core/selection/selectionnumberadapter.h"
#include "core/tools/envvars.h"

namespace bridge {
namespace connectivity {

ERSProtocol::ERSProtocol(QObject* parent)
    : lea::connectivity::ERSProtocol(parent)
{
    Machine* machine = gCoreEnv->machine();
    connect(machine, &Machine::isSelectionQrCodeActiveChanged, this, &ERSProtocol::availableChanged);
    connect(gCoreEnv, &CoreEnvironment::configurationChanged, this, &ERSProtocol::availableChanged);
    connect(machine->uartManager(), &UARTManager::activeFeatureChanged, this, &ERSProtocol::availableChanged);
}

ERSProtocol::~ERSProtocol() = default;

nonstd::optional<unsigned char> ERSProtocol::selectionNumber(const lea::ProductDbId& productId) const
{
    const nonstd::optional<int> id = utils::coreId(productId);
    if (!id)
        return nonstd::nullopt;
    return SelectionNumberAdapter::try_selectionNumber(*id);
}

nonstd::optional<lea::ProductDbId> ERSProtocol::dbId(unsigned char selectionNumber) const
{
    const nonstd::optional<int> id = SelectionNumberAdapter::try_id(selectionNumber);
    if (!id)
        return nonstd::nullopt;
    // A product that was never stored has no identifier to give: reported,
    // but never wrapped round into a valid-looking one.
    utils::checkCoreId(*id);
    return utils::idFromCoreOpt<lea::ProductDbId>(*id);
}

void ERSProtocol::setSelectionNumber(const lea::ProductDbId& productId, unsigned char selectionNumber)
{
    const nonstd::optional<int> id = utils::coreId(productId);
    if (!id) {
        utils::FailureLog(Q_FUNC_INFO, Log::Global).warning("Invalid product id");
        return;
    }
    utils::FailureLog(Q_FUNC_INFO, Log::Database)
        .stored(SelectionNumberAdapter::setSelectionNumber(*id, selectionNumber),
            "Failed to save selection number");
}

void ERSProtocol::setQRCodePSStatus(Status status)
{
    ERSProtocolProperties::instance()->qrCodePaymentSystem()->setStatus(
        ErsStatusEnumConverter::toInternalOrThrow(status));
}

void ERSProtocol::setMacasStatus(Status status)
{
    ERSProtocolProperties::instance()->macas()->setStatus(ErsStatusEnumConverter::toInternalOrThrow(status));
}

void ERSProtocol::setCoffeeAppealStatus(Status /*status*/)
{
    LogFormatter(LogLevel::Warning).log(Log::Global) << Q_FUNC_INFO << "Not implemented";
}

void ERSProtocol::setVireoProUpStatus(Status /*status*/)
{
    utils::warnNotImplemented(Q_FUNC_INFO, __FILE__, __LINE__);
}

lea::connectivity::ERSProtocol::Settings ERSProtocol::settings() const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return {};
    const Machine& machine = *gCoreEnv->machine();
    Settings settings;
    settings.selectionQrCodeActive = machine.isSelectionQrCodeActive();
    settings.macasActive = EnvVars::isSet(EnvVars::Macas);
    settings.terminalId = machine.ersTerminalId();
    settings.paymentSystem = machine.ersPaymentSystem();
    return settings;
}

} // namespace connectivity
} // namespace bridge
