#pragma once

#include "core/payment/cme.h"
#include "core/payment/mdbselectionrequest.h"
#include "nonstd/optional.hpp"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class AbstractPaymentDevice;
class BillValidatorDevice;
class CashlessDevice;
class ChangeGiverDevice;
class CoinValidatorDevice;
namespace payment {
namespace hi {
class HiManager;
} // namespace hi
} // namespace payment

/// The payment side of a sale: the credit, the payment devices and the
/// protocol they speak, free vend and tokens, and the vends that an external
/// payment system asks for.
class Payment : public QObject
{
    Q_OBJECT

public:
    enum CreditCheck {
        NoCancel,
        WithCancel,
    };

    /// The protocol the devices speak.
    enum ProtocolMode : int {
        Parallel = 0, ///< only the parallel coin validator
        Mdb = 1, ///< changer, bill validator and cashless readers on one bus
        Bdv = 2,
        Executive = 3, ///< an executive changer; executiveType() tells the variant
    };

    enum ExecutiveType : int {
        ExecutiveStandard = 0,
        ExecutiveMasterSlave = 1,
        ExecutiveExtended = 2,
        ExecutivePriceHolding = 3,
    };

    struct Currency
    {
        QString symbol;
        /// The ISO 4217 number; 0 for a currency the machine does not know.
        quint16 code = 0;
        int decimals = 2;
    };

    explicit Payment(QObject* parent = nullptr);
    ~Payment() override;

    // --- Credit -------------------------------------------------------------------

    /// The credit the customer has inserted, in the smallest unit of the currency.
    int credit() const { return m_credit; }
    /// Money the customer inserted (simulator hook for the payment devices):
    /// a coin that the changer took, reported as a money event.
    void addCredit(int amount);
    /// Takes `price` from the credit for a vend. False, with nothing taken, when
    /// the credit does not cover it and no free vend applies. A free vend, a
    /// single free vend (used up by the vend) or a token (one used) pays instead.
    bool chargeVend(int price);
    /// Pays the credit left back as change, reported as a money event.
    void returnChange();
    /// Gives back what a vend that was not delivered was charged.
    void refundVend(int price);
    /// A vend costs nothing now: free vend, a free single vend, or a token.
    bool isVendFree() const;

    /// The credit does not cover the selected product.
    void reportNotEnoughCredit() { emit notEnoughCredit(); }
    /// The user is asked to confirm the credit, with or without the choice to cancel.
    void requestCreditCheck(CreditCheck check);

    /// The price line whose credit the devices report now.
    int creditSelector() const { return m_creditSelector; }
    void setCreditSelector(int selector) { m_creditSelector = selector; }
    /// The customer may take the coins back without a vend.
    bool isEscrowEnabled() const { return m_escrowEnabled; }
    void setEscrowEnabled(bool enabled) { m_escrowEnabled = enabled; }
    /// The credit is kept from the display (it is shown as a hidden credit).
    bool displayHiddenCredit() const { return m_displayHiddenCredit; }
    void setDisplayHiddenCredit(bool hidden) { m_displayHiddenCredit = hidden; }

    /// The currency symbol of the machine.
    QString currency() const { return m_currency; }
    void setCurrency(const QString& symbol) { m_currency = symbol; }
    /// The currency a symbol stands for; code 0 for an unknown symbol.
    static Currency currencyForSymbol(const QString& symbol);

    // --- Money events -------------------------------------------------------------

    /// Simulator hook: a device reports a money event as it is.
    void reportMoneyEvent(const payment::Cme& event) { emit connectivityMoneyEvent(event); }

    // --- Devices ------------------------------------------------------------------

    ChangeGiverDevice* changeGiverDevice() const { return m_changeGiver; }
    BillValidatorDevice* billValidatorDevice() const { return m_billValidator; }
    /// Reader 0 or 1; null for any other index.
    CashlessDevice* cashlessDevice(int index) const;
    CoinValidatorDevice* parallelCoinValidatorDevice() const { return m_parallelCoinValidator; }
    ChangeGiverDevice* executiveChangeGiverDevice() const { return m_executiveChangeGiver; }
    /// The devices that are present, in bus order.
    QList<AbstractPaymentDevice*> paymentDevices() const;

    /// A ProtocolMode; the machine's settings may hold any number.
    int protocolMode() const { return m_protocolMode; }
    void setProtocolMode(int mode) { m_protocolMode = mode; }
    /// An ExecutiveType, meaningful in the executive mode.
    int executiveType() const { return m_executiveType; }
    void setExecutiveType(int type) { m_executiveType = type; }

    // --- Free vend and tokens -----------------------------------------------------

    bool isFreeVend() const { return m_freeVend; }
    void setFreeVend(bool freeVend);
    /// The next vend is free; the vend uses it up.
    bool isFreeVendSingleVend() const { return m_freeVendSingleVend; }
    void setFreeVendSingleVend(bool singleVend);
    /// Free vend was switched on by a token.
    bool isFreeVendToken() const { return m_freeVendToken; }
    void setFreeVendToken(bool token);
    /// Free vend is on its way out: the vend running is the last free one.
    bool isFreeVendCancelling() const { return m_freeVendCancelling; }
    void setFreeVendCancelling(bool cancelling);
    /// A valid free vend code gives one free vend; each code works once.
    bool processFreeVendCode(const QString& code);
    void setFreeVendCodes(const QStringList& codes) { m_freeVendCodes = codes; }

    /// Tokens inserted and not used yet.
    int tokenCount() const { return m_tokenCount; }
    /// Simulator hook: the customer inserted a token, reported as a money event.
    void insertToken();

    // --- Prices and modes ---------------------------------------------------------

    /// The changer cannot give change: the customer is asked for the exact amount.
    bool isExactChange() const { return m_exactChange; }
    void setExactChange(bool exactChange);
    /// Which price list applies: 2, 3 and 4 select the second to fourth list,
    /// anything else the first.
    int priceListMode() const { return m_priceListMode; }
    void setPriceListMode(int mode);
    /// The device whose prices the beverages show (its type number; 0 for the machine's own).
    int beveragePriceDevice() const { return m_beveragePriceDevice; }
    void setBeveragePriceDevice(int device);
    /// Simulator hook: a payment system sent new prices.
    void requestPriceUpdate() { emit priceUpdateRequested(); }
    bool isCustomizationPriceVisible() const { return m_customizationPriceVisible; }
    void setCustomizationPriceVisible(bool visible) { m_customizationPriceVisible = visible; }

    // --- The vend -----------------------------------------------------------------

    bool isDeliveryInProgress() const { return m_deliveryInProgress; }
    void setDeliveryInProgress(bool inProgress) { m_deliveryInProgress = inProgress; }
    QString orderNumber() const { return m_orderNumber; }
    void setOrderNumber(const QString& number) { m_orderNumber = number; }

    /// An external payment system holds the machine for a vend it asked for.
    bool isReservationActive() const { return m_reservationActive; }
    /// Simulator hook: the payment system takes or releases the machine.
    void setReservationActive(bool active);
    /// Simulator hook: an external payment system asks for a vend and holds the machine.
    void requestExternalVend();
    /// The answer to the payment system's request; a refusal releases the
    /// machine. Ignored while nothing is asked.
    void externalVendAnswer(bool granted);
    /// The last answer sent to the payment system, if any.
    nonstd::optional<bool> lastExternalVendAnswer() const { return m_lastExternalVendAnswer; }
    /// The customer cancelled the vend: a pending external vend is refused.
    void cancelVendByUser();
    /// Tells a remote selector that the machine refused its selection.
    void sendRemoteSelectionDenied() { emit remoteSelectionDenied(); }
    /// Simulator hook: a cashless device asks for a vend by item number.
    void requestMdbRemoteSelection(const Mdb::SelectionRequest& request) { emit mdbRemoteSelection(request); }

    /// The host interface to the mobile payment terminal.
    payment::hi::HiManager* hiManager() const { return m_hiManager; }

signals:
    void creditChanged();
    void notEnoughCredit();
    void checkCreditNoCancel();
    void checkCreditWithCancel();
    /// Free vend or the tokens changed.
    void vendModeChanged();
    void externalVendRequest();
    void priceUpdateRequested();
    void beveragePriceDeviceChanged();
    void exactChangeModeChanged();
    void isReservationActiveChanged();
    void connectivityMoneyEvent(const payment::Cme& event);
    void vendCancelledByUser();
    void remoteSelectionDenied();
    void mdbRemoteSelection(const Mdb::SelectionRequest& request);

private:
    void setCredit(int credit);
    /// Reports a money event of the changer with the credit after it.
    void reportChangerEvent(payment::CmeType type, int value, int quantity);
    template <class T> bool assign(T& member, const T& value);

    int m_credit = 0;
    int m_creditSelector = 0;
    bool m_escrowEnabled = false;
    bool m_displayHiddenCredit = false;
    QString m_currency = QStringLiteral("EUR");

    ChangeGiverDevice* m_changeGiver;
    BillValidatorDevice* m_billValidator;
    CashlessDevice* m_cashless[2];
    CoinValidatorDevice* m_parallelCoinValidator;
    ChangeGiverDevice* m_executiveChangeGiver;
    payment::hi::HiManager* m_hiManager;
    int m_protocolMode = Mdb;
    int m_executiveType = ExecutiveStandard;

    bool m_freeVend = false;
    bool m_freeVendSingleVend = false;
    bool m_freeVendToken = false;
    bool m_freeVendCancelling = false;
    QStringList m_freeVendCodes;
    int m_tokenCount = 0;

    bool m_exactChange = false;
    int m_priceListMode = 1;
    int m_beveragePriceDevice = 0;
    bool m_customizationPriceVisible = true;

    bool m_deliveryInProgress = false;
    QString m_orderNumber;
    bool m_reservationActive = false;
    bool m_externalVendPending = false;
    nonstd::optional<bool> m_lastExternalVendAnswer;
};
