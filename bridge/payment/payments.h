#pragma once

#include "core/log/assert.h"
#include "core/payment/cme.h"
#include "lea/payment/payments.h"

#include <string>

class AbstractPaymentDevice;

namespace bridge {
namespace payment {

/// The machine's payment object as the user interface sees it: the credit,
/// the devices, free vend and the vends that a payment system asks for, with
/// its signals and money events relayed. Keeps no state of its own.
class Payments : public lea::payment::Payments
{
    Q_OBJECT

public:
    explicit Payments(QObject* parent);
    ~Payments() override;

    Payment payment() const override;
    int totalCredit() const override;
    void authorizeExternalVend() override;
    int priceListNumber() const override;
    bool deliveryInProgress() const override;
    void setOrderNumber(const QString& number) override;
    void cancelVendRequest() override;
    bool isReservationActive() const override;
    bool freeVend() const override;
    bool freeVendSingleVend() const override;
    bool freeVendToken() const override;
    void setFreevendMode(const FreeVendStatus& status) override;
    bool tokenVend() const override;
    int credit() const override;
    bool showCredit() const override;
    bool exactChangeMode() const override;
    bool displayCustomizationPrice() const override;
    /// Not supported: the machine decides whether a credit pays, and a call
    /// is reported as a broken invariant.
    bool canPay(int /*amount*/) const override
    {
        const std::string message = std::string(Q_FUNC_INFO) + "is not implemented.";
        printReleaseAssertMsg("", message.c_str(), __FILE__, __LINE__);
        // Callers must not take an unanswered question for a yes.
        return false;
    }
    Settings settings() const override;
    bool processFreeVendCode(const QString& code) const override;
    void sendSelectionDenied() const override;
    QList<GeneralProtocol> availableGeneralProtocols() const override;
    GeneralProtocol getGeneralProtocolFromProtocol(const Protocol& protocol) const override;

    /// The record of one device; a null device has none.
    Payment::BasicPayment basicPaymentFromPaymentDevice(const AbstractPaymentDevice* device) const;

public slots:
    void onReservationTimeActiveChanged() const override;

private slots:
    void onPaymentMoneyEvent(const ::payment::Cme& event);
};

} // namespace payment
} // namespace bridge
