#include "bridge/hardware/modem.h"

#include "bridge/hardware/connectionstatusenumconverter.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"
#include "core/machine/modemmanager.h"
#include "core/machine/modemparameters.h"

namespace bridge {
namespace hardware {

namespace {
// The modem reports its signal quality as 0 (none) to 31 (best).
constexpr int kBestSignal = 31;

nonstd::optional<QString> text(const ModemManager* manager, QString (ModemManager::*read)() const)
{
    if (!manager)
        return nonstd::nullopt;
    return (manager->*read)();
}
} // namespace

Modem::Modem(QObject* parent)
    : lea::hardware::Modem(parent)
{
    Machine* machine = gCoreEnv->machine();
    ModemManager* manager = machine->modemManager();
    connect(manager, &ModemManager::rssiChanged, this, &Modem::rssiChanged);
    connect(manager, &ModemManager::plmnChanged, this, &Modem::plmnChanged);
    connect(manager, &ModemManager::imsiChanged, this, &Modem::imsiChanged);
    connect(manager, &ModemManager::imeiChanged, this, &Modem::imeiChanged);
    connect(manager, &ModemManager::mobileCountryCodeChanged, this, &Modem::mobileCountryCodeChanged);
    connect(manager, &ModemManager::mobileNetworkCodeChanged, this, &Modem::mobileNetworkCodeChanged);
    connect(manager, &ModemManager::locationAreaCodeChanged, this, &Modem::locationAreaCodeChanged);
    connect(manager, &ModemManager::cellIdChanged, this, &Modem::cellIdChanged);
    ModemParameters* parameters = machine->modemParameters();
    connect(parameters, &ModemParameters::apnChanged, this, &Modem::apnChanged);
    connect(parameters, &ModemParameters::isEnabledChanged, this, &Modem::allParametersChanged);
}

Modem::~Modem() = default;

const ModemManager* Modem::activeManager() const
{
    const Machine* machine = gCoreEnv->machine();
    return machine->modemParameters()->isEnabled() ? machine->modemManager() : nullptr;
}

nonstd::optional<int> Modem::rssi() const
{
    const ModemManager* manager = activeManager();
    if (!manager)
        return nonstd::nullopt;
    // A value beyond the scale would read as a quality above 100 % or below 0 %.
    const int raw = manager->rssi();
    if (raw < 0 || raw > kBestSignal)
        return nonstd::nullopt;
    return raw * 100 / kBestSignal;
}

nonstd::optional<QString> Modem::plmn() const
{
    return text(activeManager(), &ModemManager::plmn);
}

nonstd::optional<QString> Modem::imsi() const
{
    return text(activeManager(), &ModemManager::imsi);
}

nonstd::optional<QString> Modem::imei() const
{
    return text(activeManager(), &ModemManager::imei);
}

nonstd::optional<QString> Modem::apn() const
{
    if (!activeManager())
        return nonstd::nullopt;
    return gCoreEnv->machine()->modemParameters()->apn();
}

nonstd::optional<QString> Modem::mobileNetworkCode() const
{
    return text(activeManager(), &ModemManager::mobileNetworkCode);
}

nonstd::optional<QString> Modem::mobileCountryCode() const
{
    return text(activeManager(), &ModemManager::mobileCountryCode);
}

nonstd::optional<QString> Modem::locationAreaCode() const
{
    return text(activeManager(), &ModemManager::locationAreaCode);
}

nonstd::optional<QString> Modem::cellId() const
{
    return text(activeManager(), &ModemManager::cellId);
}

nonstd::optional<lea::hardware::Modem::ConnectionStatus> Modem::connectionStatus() const
{
    const ModemManager* manager = activeManager();
    if (!manager)
        return nonstd::nullopt;
    return ConnectionStatusEnumConverter::toExternalOpt(manager->connectionStatus());
}

void Modem::allParametersChanged()
{
    emit rssiChanged();
    emit plmnChanged();
    emit imsiChanged();
    emit imeiChanged();
    emit apnChanged();
    emit mobileCountryCodeChanged();
    emit mobileNetworkCodeChanged();
    emit locationAreaCodeChanged();
    emit cellIdChanged();
}

} // namespace hardware
} // namespace bridge
