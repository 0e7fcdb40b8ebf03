#pragma once

#include "nonstd/optional.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <utility>
#include <vector>

namespace lea {
namespace payment {

/// Accessor of credit, money events and vend authorisation.
class Payments : public QObject
{
    Q_OBJECT

public:
    /// What a money event reports.
    enum MoneyEventType : int32_t {
        CoinIn = 0,
        CoinToTube = 1,
        ChangeOut = 2,
        ManualCoinOut = 3,
        TubeFill = 4,
        BillIn = 5,
        BillReturned = 6,
        TokenIn = 7,
        CashlessSessionStart = 8,
        CashlessVendApproved = 9,
        CashlessVendDenied = 10,
        CashlessSessionEnd = 11,
        CashlessRevalue = 12,
        FreeVend = 13,
        OverpayKept = 14,
        VendCancelled = 15,
        ExternalVend = 16,
    };
    Q_ENUM(MoneyEventType)

    enum FreeVendStatus : int32_t {
        FreeVendOff = 0,
        /// The next vend is free.
        FreeVendSingleVend = 1,
        FreeVendOn = 2,
    };
    Q_ENUM(FreeVendStatus)

    /// The payment protocol in use.
    enum Protocol : int32_t {
        ProtocolParallel = 0,
        ProtocolMdb = 1,
        ProtocolBdv = 2,
        ProtocolExecutiveStandard = 3,
        ProtocolExecutivePriceHolding = 4,
        ProtocolExecutiveMasterSlave = 5,
        ProtocolExecutiveExtended = 6,
    };
    Q_ENUM(Protocol)

    /// The family of a protocol.
    enum GeneralProtocol : int32_t {
        GeneralParallel = 0,
        GeneralMdb = 1,
        GeneralBdv = 2,
        GeneralExecutive = 3,
    };
    Q_ENUM(GeneralProtocol)

    /// A money event of the payment side. The data follows the type from the
    /// 8-byte-aligned position on, as the machine reports it.
    struct MoneyEvent
    {
        MoneyEventType type = CoinIn;
        /// The amount, in the smallest unit of the currency.
        alignas(8) int32_t value = 0;
        /// The number of the device that reported it; 0 for none.
        int32_t device = 0;
        /// Coins, bills or tokens counted.
        int32_t quantity = 0;
        /// The credit after the event.
        int32_t balance = 0;
    };

    /// The payment switches of the configuration.
    struct Settings
    {
        /// The credit left after a vend stays for the next one.
        bool creditKept = false;
        /// Several vends may be bought with one credit.
        bool multiVend = false;
        bool pricesShown = false;
    };

    /// The machine's payment system at one moment.
    struct Payment
    {
        /// What one payment device holds and reports.
        struct BasicPayment
        {
            /// The coins or bills of a device.
            struct CashInfo
            {
                /// One denomination of coin or bill and how many of it the device holds.
                struct Token
                {
                    int32_t value = 0;
                    /// How many the device holds.
                    int32_t quantity = 0;
                };
                std::vector<Token> tokens;
            };

            /// The device's number on its bus.
            quint8 kind = 0;
            /// All the credit the device holds.
            int32_t credit = 0;
            /// For coin changers and bill validators.
            nonstd::optional<CashInfo> cashInfo;
            /// For cashless readers that sent their setup: the machine's three setup values.
            nonstd::optional<std::array<quint8, 3>> cashlessInfo;
        };

        /// The price line whose credit the devices report.
        quint8 creditSelector = 0;
        /// The customer may take the coins back without a vend.
        bool escrowEnabled = false;
        /// The ISO 4217 number of the currency; 0 when unknown.
        quint16 currencyCode = 0;
        FreeVendStatus freeVendStatus = FreeVendOff;
        nonstd::optional<BasicPayment> coins;
        nonstd::optional<BasicPayment> bills;
        nonstd::optional<BasicPayment> cashless1;
        nonstd::optional<BasicPayment> cashless2;
        /// Reserved: always empty.
        nonstd::optional<std::pair<QString, QString>> reserved;
        nonstd::optional<Protocol> protocol;
    };

    ~Payments() override = default;

    virtual Payment payment() const = 0;
    /// The credit of every present device for the current price line.
    virtual int totalCredit() const = 0;
    /// Grants the vend that the payment system asked for.
    virtual void authorizeExternalVend() = 0;
    /// The price list in use: 0 for the first, 1 to 3 for the others.
    virtual int priceListNumber() const = 0;
    virtual bool deliveryInProgress() const = 0;
    virtual void setOrderNumber(const QString& number) = 0;
    /// The customer cancels the vend; a pending external vend is refused.
    virtual void cancelVendRequest() = 0;
    virtual bool isReservationActive() const = 0;
    virtual bool freeVend() const = 0;
    virtual bool freeVendSingleVend() const = 0;
    virtual bool freeVendToken() const = 0;
    /// Off clears only general free vend: a single free vend stays.
    virtual void setFreevendMode(const FreeVendStatus& status) = 0;
    /// A token pays the next vend.
    virtual bool tokenVend() const = 0;
    virtual int credit() const = 0;
    virtual bool showCredit() const = 0;
    virtual bool exactChangeMode() const = 0;
    virtual bool displayCustomizationPrice() const = 0;
    /// Not supported: the machine decides whether a credit pays.
    virtual bool canPay(int amount) const = 0;
    virtual Settings settings() const = 0;
    /// True when the code bought one free vend.
    virtual bool processFreeVendCode(const QString& code) const = 0;
    /// Tells a remote selector that its selection was refused.
    virtual void sendSelectionDenied() const = 0;
    /// The protocol families the operator may choose from.
    virtual QList<GeneralProtocol> availableGeneralProtocols() const = 0;
    virtual GeneralProtocol getGeneralProtocolFromProtocol(const Protocol& protocol) const = 0;
    /// Follows the payment system's reservation of the machine.
    virtual void onReservationTimeActiveChanged() const = 0;

signals:
    void moneyEvent(const lea::payment::Payments::MoneyEvent& event);
    /// Prices may have changed.
    void priceChanged();
    void creditChanged();
    /// Free vend or token mode changed.
    void vendModeChanged();
    /// A payment system asks for a vend: answer with authorizeExternalVend().
    void externalVendRequest();
    void exactChangeModeChanged();
    /// The payment system released the machine: drop its request.
    void terminateVendRequest() const;

protected:
    explicit Payments(QObject* parent)
        : QObject(parent)
    {
    }
};

static_assert(sizeof(Payments::MoneyEvent) == 24 && offsetof(Payments::MoneyEvent, value) == 8,
    "a money event is laid out as the machine reports it");

} // namespace payment
} // namespace lea

Q_DECLARE_METATYPE(lea::payment::Payments::MoneyEvent)
