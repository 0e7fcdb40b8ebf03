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

    /// The credit does not cover the selected product.
    void reportNotEnoughCredit() { emit notEnoughCredit(); }
    /// The user is asked to confirm the credit, with or without the choice to cancel.
    void requestCreditCheck(CreditCheck check);

signals:
    void notEnoughCredit();
    void checkCreditNoCancel();
    void checkCreditWithCancel();
};
