#pragma once

#include "core/payment/abstractpaymentdevice.h"

#include <QList>

/// A bill validator: takes bills, and with a recycler pays some back.
class BillValidatorDevice : public AbstractPaymentDevice
{
    Q_OBJECT

public:
    explicit BillValidatorDevice(int typeNumber, QObject* parent = nullptr)
        : AbstractPaymentDevice(BillValidator, typeNumber, parent)
    {
    }

    /// The bills it accepts, one entry per bill type.
    QList<Token> tokens() const { return m_tokens; }
    void setTokens(const QList<Token>& tokens) { m_tokens = tokens; }

private:
    QList<Token> m_tokens;
};
