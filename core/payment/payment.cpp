#include "core/payment/payment.h"

Payment::Payment(QObject* parent)
    : QObject(parent)
{
}

Payment::~Payment() = default;

void Payment::addCredit(int amount)
{
    if (amount > 0)
        setCredit(m_credit + amount);
}

bool Payment::chargeVend(int price)
{
    if (price > m_credit)
        return false;
    setCredit(m_credit - price);
    return true;
}

void Payment::returnChange()
{
    setCredit(0);
}

void Payment::setCredit(int credit)
{
    if (credit == m_credit)
        return;
    m_credit = credit;
    emit creditChanged();
}

void Payment::requestCreditCheck(CreditCheck check)
{
    if (check == WithCancel)
        emit checkCreditWithCancel();
    else
        emit checkCreditNoCancel();
}
