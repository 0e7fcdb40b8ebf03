#include "core/payment/payment.h"

#include "core/payment/billvalidatordevice.h"
#include "core/payment/cashlessdevice.h"
#include "core/payment/changegiverdevice.h"
#include "core/payment/coinvalidatordevice.h"
#include "core/payment/himanager.h"

#include <utility>

namespace {
// Bus addresses of the devices.
constexpr int kChangerNumber = 0x08;
constexpr int kBillValidatorNumber = 0x30;
constexpr int kFirstReaderNumber = 0x10;
constexpr int kSecondReaderNumber = 0x60;
constexpr int kParallelValidatorNumber = 0x01;
constexpr int kExecutiveChangerNumber = 0x02;
} // namespace

Payment::Payment(QObject* parent)
    : QObject(parent)
    , m_changeGiver(new ChangeGiverDevice(kChangerNumber, this))
    , m_billValidator(new BillValidatorDevice(kBillValidatorNumber, this))
    , m_cashless { new CashlessDevice(kFirstReaderNumber, this),
        new CashlessDevice(kSecondReaderNumber, this) }
    , m_parallelCoinValidator(new CoinValidatorDevice(kParallelValidatorNumber, this))
    , m_executiveChangeGiver(new ChangeGiverDevice(kExecutiveChangerNumber, this))
    , m_hiManager(new payment::hi::HiManager(this))
{
}

Payment::~Payment() = default;

template <class T> bool Payment::assign(T& member, const T& value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

void Payment::addCredit(int amount)
{
    if (amount <= 0)
        return;
    setCredit(m_credit + amount);
    reportChangerEvent(payment::CoinIn, amount, 1);
}

bool Payment::chargeVend(int price)
{
    if (price < 0)
        return false;
    if (m_freeVend && !m_freeVendCancelling)
        return true;
    if (m_freeVendSingleVend) {
        setFreeVendSingleVend(false);
        return true;
    }
    if (m_freeVendToken)
        return true;
    if (m_tokenCount > 0) {
        --m_tokenCount;
        emit vendModeChanged();
        return true;
    }
    if (price > m_credit)
        return false;
    setCredit(m_credit - price);
    return true;
}

void Payment::returnChange()
{
    const int change = m_credit;
    if (change <= 0)
        return;
    setCredit(0);
    reportChangerEvent(payment::ChangeOut, change, 0);
}

void Payment::setCredit(int credit)
{
    if (assign(m_credit, credit))
        emit creditChanged();
}

void Payment::reportChangerEvent(payment::CmeType type, int value, int quantity)
{
    payment::Cme event;
    event.type = type;
    event.value = value;
    event.device = m_changeGiver->typeNumber();
    event.quantity = quantity;
    event.balance = m_credit;
    emit connectivityMoneyEvent(event);
}

void Payment::requestCreditCheck(CreditCheck check)
{
    if (check == WithCancel)
        emit checkCreditWithCancel();
    else
        emit checkCreditNoCancel();
}

Payment::Currency Payment::currencyForSymbol(const QString& symbol)
{
    static const Currency known[] = {
        { QStringLiteral("EUR"), 978, 2 },
        { QStringLiteral("USD"), 840, 2 },
        { QStringLiteral("GBP"), 826, 2 },
        { QStringLiteral("CHF"), 756, 2 },
        { QStringLiteral("JPY"), 392, 0 },
    };
    for (const Currency& currency : known) {
        if (currency.symbol == symbol)
            return currency;
    }
    return { symbol, 0, 2 };
}

CashlessDevice* Payment::cashlessDevice(int index) const
{
    return index == 0 || index == 1 ? m_cashless[index] : nullptr;
}

QList<AbstractPaymentDevice*> Payment::paymentDevices() const
{
    QList<AbstractPaymentDevice*> devices;
    for (AbstractPaymentDevice* device :
        std::initializer_list<AbstractPaymentDevice*> { m_changeGiver, m_billValidator, m_cashless[0],
            m_cashless[1], m_parallelCoinValidator, m_executiveChangeGiver }) {
        if (device->isPresent())
            devices << device;
    }
    return devices;
}

void Payment::setFreeVend(bool freeVend)
{
    if (assign(m_freeVend, freeVend))
        emit vendModeChanged();
}

void Payment::setFreeVendSingleVend(bool singleVend)
{
    if (assign(m_freeVendSingleVend, singleVend))
        emit vendModeChanged();
}

void Payment::setFreeVendToken(bool token)
{
    if (assign(m_freeVendToken, token))
        emit vendModeChanged();
}

void Payment::setFreeVendCancelling(bool cancelling)
{
    if (assign(m_freeVendCancelling, cancelling))
        emit vendModeChanged();
}

bool Payment::processFreeVendCode(const QString& code)
{
    if (code.isEmpty() || !m_freeVendCodes.removeOne(code))
        return false;
    setFreeVendSingleVend(true);
    return true;
}

void Payment::insertToken()
{
    ++m_tokenCount;
    emit vendModeChanged();
    payment::Cme event;
    event.type = payment::TokenIn;
    event.device = m_changeGiver->typeNumber();
    event.quantity = 1;
    event.balance = m_credit;
    emit connectivityMoneyEvent(event);
}

void Payment::setExactChange(bool exactChange)
{
    if (assign(m_exactChange, exactChange))
        emit exactChangeModeChanged();
}

void Payment::setPriceListMode(int mode)
{
    if (assign(m_priceListMode, mode))
        emit priceUpdateRequested();
}

void Payment::setBeveragePriceDevice(int device)
{
    if (assign(m_beveragePriceDevice, device))
        emit beveragePriceDeviceChanged();
}

void Payment::setReservationActive(bool active)
{
    if (!active)
        m_externalVendPending = false;
    if (assign(m_reservationActive, active))
        emit isReservationActiveChanged();
}

void Payment::requestExternalVend()
{
    m_externalVendPending = true;
    setReservationActive(true);
    emit externalVendRequest();
}

void Payment::externalVendAnswer(bool granted)
{
    if (!std::exchange(m_externalVendPending, false))
        return;
    m_lastExternalVendAnswer = granted;
    if (!granted)
        setReservationActive(false);
}

void Payment::cancelVendByUser()
{
    externalVendAnswer(false);
    emit vendCancelledByUser();
}

void Payment::refundVend(int price)
{
    if (price > 0)
        setCredit(m_credit + price);
}

bool Payment::isVendFree() const
{
    return (m_freeVend && !m_freeVendCancelling) || m_freeVendSingleVend || m_freeVendToken
        || m_tokenCount > 0;
}
