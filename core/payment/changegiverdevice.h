#pragma once

#include "core/payment/abstractpaymentdevice.h"

#include <QList>

/// A coin changer: takes coins and pays change from its tubes.
class ChangeGiverDevice : public AbstractPaymentDevice
{
    Q_OBJECT

public:
    explicit ChangeGiverDevice(int typeNumber, QObject* parent = nullptr)
        : AbstractPaymentDevice(ChangeGiver, typeNumber, parent)
    {
    }

    /// The coins of its tubes, one entry per coin type.
    QList<Token> coins() const { return m_coins; }
    void setCoins(const QList<Token>& coins) { m_coins = coins; }

private:
    QList<Token> m_coins;
};
