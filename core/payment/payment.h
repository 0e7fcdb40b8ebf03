#pragma once

#include <QObject>

/// The payment side of a sale: tells the user interface what the credit allows.
class Payment : public QObject
{
    Q_OBJECT

public:
    enum CreditCheck {
        NoCancel,
        WithCancel,
    };

    explicit Payment(QObject* parent = nullptr);
    ~Payment() override;

    /// The credit the customer has inserted, in the smallest unit of the currency.
    int credit() const { return m_credit; }
    /// Money the customer inserted (simulator hook for the payment devices).
    void addCredit(int amount);
    /// Takes `price` from the credit for a vend. False, with nothing taken, when
    /// the credit does not cover it and no free vend applies.
    bool chargeVend(int price);
    /// Pays the credit left back as change.
    void returnChange();

    /// The credit does not cover the selected product.
    void reportNotEnoughCredit() { emit notEnoughCredit(); }
    /// The user is asked to confirm the credit, with or without the choice to cancel.
    void requestCreditCheck(CreditCheck check);

signals:
    void creditChanged();
    void notEnoughCredit();
    void checkCreditNoCancel();
    void checkCreditWithCancel();

private:
    void setCredit(int credit);

    int m_credit = 0;
};
