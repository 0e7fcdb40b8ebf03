#pragma once

#include "core/payment/abstractpaymentdevice.h"

/// A coin validator without tubes, wired in parallel: it gives no change.
class CoinValidatorDevice : public AbstractPaymentDevice
{
    Q_OBJECT

public:
    explicit CoinValidatorDevice(int typeNumber, QObject* parent = nullptr)
        : AbstractPaymentDevice(CoinValidator, typeNumber, parent)
    {
    }
};
