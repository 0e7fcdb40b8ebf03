#include "bridge/payment/payments.h"

#include "bridge/payment/moneyeventtypeenumconverter.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/configuration/paymentsettings.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/machine.h"
#include "core/payment/billvalidatordevice.h"
#include "core/payment/cashlessdevice.h"
#include "core/payment/changegiverdevice.h"
#include "core/payment/coinvalidatordevice.h"
#include "core/payment/payment.h"
#include "core/selection/userselectionmanager.h"
#include "core/statistics/evadtsconfigurationreporthandler.h"

#include <algorithm>
#include <limits>

namespace bridge {
namespace payment {

namespace {

// The selection state in which the machine serves a vend that a payment system pays.
constexpr auto kExternalVendState = static_cast<UserSelectionManager::State>(3);

::Payment& corePayment()
{
    return *gCoreEnv->payment();
}

// A device the core does not have is as good as absent.
bool isPresent(const AbstractPaymentDevice* device)
{
    return device && device->isPresent();
}

Payments::Payment::BasicPayment::CashInfo cashInfo(const QList<AbstractPaymentDevice::Token>& tokens)
{
    Payments::Payment::BasicPayment::CashInfo info;
    info.tokens.reserve(std::size_t(tokens.size()));
    for (const AbstractPaymentDevice::Token& token : tokens)
        info.tokens.push_back({ token.value, token.quantity });
    return info;
}

} // namespace

Payments::Payments(QObject* parent)
    : lea::payment::Payments(parent)
{
    const ::Payment* payment = gCoreEnv->payment();
    connect(payment, &::Payment::vendModeChanged, this, &Payments::vendModeChanged);
    connect(payment, &::Payment::externalVendRequest, this, &Payments::externalVendRequest);
    connect(payment, &::Payment::priceUpdateRequested, this, &Payments::priceChanged);
    connect(payment, &::Payment::beveragePriceDeviceChanged, this, &Payments::priceChanged);
    connect(payment, &::Payment::exactChangeModeChanged, this, &Payments::exactChangeModeChanged);
    connect(payment, &::Payment::creditChanged, this, &Payments::creditChanged);
    connect(payment, &::Payment::isReservationActiveChanged, this, &Payments::onReservationTimeActiveChanged);
    connect(payment, &::Payment::connectivityMoneyEvent, this, &Payments::onPaymentMoneyEvent);
    connect(gCoreEnv->machine()->evadtsConfigurationReportHandler(),
        &EvadtsConfigurationReportHandler::pricesChanged, this, &Payments::priceChanged);
}

Payments::~Payments() = default;

Payments::Payment Payments::payment() const
{
    const ::Payment& core = corePayment();
    Payment record;
    record.creditSelector = static_cast<quint8>(core.creditSelector());
    record.escrowEnabled = core.isEscrowEnabled();
    record.currencyCode = ::Payment::currencyForSymbol(core.currency()).code;
    record.freeVendStatus
        = core.isFreeVendSingleVend() ? FreeVendSingleVend : (freeVend() ? FreeVendOn : FreeVendOff);

    const int mode = core.protocolMode();
    if (isPresent(core.changeGiverDevice()) && mode == ::Payment::Mdb)
        record.coins = basicPaymentFromPaymentDevice(core.changeGiverDevice());
    else if (isPresent(core.executiveChangeGiverDevice()) && mode == ::Payment::Executive)
        record.coins = basicPaymentFromPaymentDevice(core.executiveChangeGiverDevice());
    else if (isPresent(core.parallelCoinValidatorDevice()))
        record.coins = basicPaymentFromPaymentDevice(core.parallelCoinValidatorDevice());
    if (mode == ::Payment::Mdb) {
        if (isPresent(core.billValidatorDevice()))
            record.bills = basicPaymentFromPaymentDevice(core.billValidatorDevice());
        if (isPresent(core.cashlessDevice(0)))
            record.cashless1 = basicPaymentFromPaymentDevice(core.cashlessDevice(0));
        if (isPresent(core.cashlessDevice(1)))
            record.cashless2 = basicPaymentFromPaymentDevice(core.cashlessDevice(1));
    }

    switch (mode) {
    case ::Payment::Parallel:
        record.protocol = ProtocolParallel;
        break;
    case ::Payment::Mdb:
        record.protocol = ProtocolMdb;
        break;
    case ::Payment::Bdv:
        record.protocol = ProtocolBdv;
        break;
    case ::Payment::Executive:
        switch (core.executiveType()) {
        case ::Payment::ExecutiveStandard:
            record.protocol = ProtocolExecutiveStandard;
            break;
        case ::Payment::ExecutiveMasterSlave:
            record.protocol = ProtocolExecutiveMasterSlave;
            break;
        case ::Payment::ExecutiveExtended:
            record.protocol = ProtocolExecutiveExtended;
            break;
        case ::Payment::ExecutivePriceHolding:
            record.protocol = ProtocolExecutivePriceHolding;
            break;
        default:
            LogFormatter(LogLevel::Error).log({ Log::Global, Log::Payment })
                << Q_FUNC_INFO << "Got an ExecutiveType out of range:" << core.executiveType();
        }
        break;
    default:
        break;
    }
    return record;
}

int Payments::totalCredit() const
{
    const ::Payment& core = corePayment();
    // Summed wide: the devices' credits together may exceed an int.
    qint64 sum = 0;
    for (const AbstractPaymentDevice* device : core.paymentDevices()) {
        if (device)
            sum += device->credit(core.creditSelector());
    }
    return int(std::clamp<qint64>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void Payments::authorizeExternalVend()
{
    gCoreEnv->userSelectionManager()->setCurrentState(kExternalVendState);
    corePayment().externalVendAnswer(true);
}

int Payments::priceListNumber() const
{
    switch (corePayment().priceListMode()) {
    case 2:
        return 1;
    case 3:
        return 2;
    case 4:
        return 3;
    default:
        return 0;
    }
}

bool Payments::deliveryInProgress() const
{
    return corePayment().isDeliveryInProgress();
}

void Payments::setOrderNumber(const QString& number)
{
    corePayment().setOrderNumber(number);
}

void Payments::cancelVendRequest()
{
    corePayment().cancelVendByUser();
}

bool Payments::isReservationActive() const
{
    return corePayment().isReservationActive();
}

bool Payments::freeVend() const
{
    const ::Payment& core = corePayment();
    return core.isFreeVend() && !core.isFreeVendCancelling();
}

bool Payments::freeVendSingleVend() const
{
    return corePayment().isFreeVendSingleVend();
}

bool Payments::freeVendToken() const
{
    return corePayment().isFreeVendToken();
}

void Payments::setFreevendMode(const FreeVendStatus& status)
{
    switch (status) {
    case FreeVendOff:
        corePayment().setFreeVend(false);
        break;
    case FreeVendSingleVend:
        corePayment().setFreeVendSingleVend(true);
        break;
    case FreeVendOn:
        corePayment().setFreeVend(true);
        break;
    default:
        break;
    }
}

bool Payments::tokenVend() const
{
    const ::Payment& core = corePayment();
    return core.isFreeVendToken() || core.tokenCount() > 0;
}

int Payments::credit() const
{
    return corePayment().credit();
}

bool Payments::showCredit() const
{
    return !corePayment().displayHiddenCredit();
}

bool Payments::exactChangeMode() const
{
    return corePayment().isExactChange();
}

bool Payments::displayCustomizationPrice() const
{
    return corePayment().isCustomizationPriceVisible();
}

Payments::Settings Payments::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const PaymentSettings& settings = *configuration->paymentSettings();
    Settings result;
    result.creditKept = settings.isCreditKept();
    result.multiVend = settings.isMultiVend();
    result.pricesShown = settings.arePricesShown();
    return result;
}

bool Payments::processFreeVendCode(const QString& code) const
{
    return gCoreEnv->processFreeVendCode(code);
}

void Payments::sendSelectionDenied() const
{
    corePayment().sendRemoteSelectionDenied();
}

QList<Payments::GeneralProtocol> Payments::availableGeneralProtocols() const
{
    return { GeneralParallel, GeneralMdb, GeneralExecutive };
}

Payments::GeneralProtocol Payments::getGeneralProtocolFromProtocol(const Protocol& protocol) const
{
    switch (protocol) {
    case ProtocolParallel:
        return GeneralParallel;
    case ProtocolMdb:
        return GeneralMdb;
    case ProtocolBdv:
        return GeneralBdv;
    case ProtocolExecutiveStandard:
    case ProtocolExecutivePriceHolding:
    case ProtocolExecutiveMasterSlave:
    case ProtocolExecutiveExtended:
        return GeneralExecutive;
    default:
        LogFormatter(LogLevel::Error).log(Log::Global)
            << Q_FUNC_INFO << "Failed converting protocol into general protocol" << int(protocol);
        return GeneralParallel;
    }
}

Payments::Payment::BasicPayment Payments::basicPaymentFromPaymentDevice(
    const AbstractPaymentDevice* device) const
{
    Payment::BasicPayment basic;
    if (!device)
        return basic;
    basic.kind = static_cast<quint8>(device->typeNumber());
    basic.credit = device->credit(-1);
    // The category names the device's class; a device that is not of that
    // class reports no details rather than being read as one.
    switch (device->category()) {
    case AbstractPaymentDevice::ChangeGiver:
        if (const auto* changer = qobject_cast<const ChangeGiverDevice*>(device))
            basic.cashInfo = cashInfo(changer->coins());
        break;
    case AbstractPaymentDevice::BillValidator:
        if (const auto* validator = qobject_cast<const BillValidatorDevice*>(device))
            basic.cashInfo = cashInfo(validator->tokens());
        break;
    case AbstractPaymentDevice::Cashless:
        if (const auto* reader = qobject_cast<const CashlessDevice*>(device);
            reader && reader->hasInformation())
            basic.cashlessInfo
                = { { reader->featureLevel(), reader->scaleFactor(), reader->decimalPlaces() } };
        break;
    default:
        break;
    }
    return basic;
}

void Payments::onReservationTimeActiveChanged() const
{
    if (!corePayment().isReservationActive())
        emit terminateVendRequest();
}

void Payments::onPaymentMoneyEvent(const ::payment::Cme& event)
{
    // Runs inside the core's emission: an event the interface cannot name is logged and dropped.
    const auto type = MoneyEventTypeEnumConverter::toExternalOpt(event.type);
    if (!type) {
        LogFormatter(LogLevel::Error).log(Log::Global)
            << Q_FUNC_INFO << "Failed converting payment event type" << int(event.type);
        return;
    }
    MoneyEvent converted;
    converted.type = *type;
    converted.value = event.value;
    converted.device = event.device;
    converted.quantity = event.quantity;
    converted.balance = event.balance;
    emit moneyEvent(converted);
}

} // namespace payment
} // namespace bridge
