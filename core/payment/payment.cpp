#include "core/payment/payment.h"

Payment::Payment(QObject* parent)
    : QObject(parent)
{
}

Payment::~Payment() = default;

void Payment::requestCreditCheck(CreditCheck check)
{
    if (check == WithCancel)
        emit checkCreditWithCancel();
    else
        emit checkCreditNoCancel();
}
