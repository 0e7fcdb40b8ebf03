#pragma once

#include "core/payment/abstractpaymentdevice.h"

/// A cashless reader: cards, phones and the like.
class CashlessDevice : public AbstractPaymentDevice
{
    Q_OBJECT

public:
    explicit CashlessDevice(int typeNumber, QObject* parent = nullptr)
        : AbstractPaymentDevice(Cashless, typeNumber, parent)
    {
    }

    /// Whether the reader has sent its setup data; the three values below
    /// mean nothing before.
    bool hasInformation() const { return m_hasInformation; }
    void setHasInformation(bool has) { m_hasInformation = has; }

    quint8 featureLevel() const { return m_featureLevel; }
    void setFeatureLevel(quint8 level) { m_featureLevel = level; }
    /// What one unit of the reader's amounts is worth in the smallest unit of the currency.
    quint8 scaleFactor() const { return m_scaleFactor; }
    void setScaleFactor(quint8 factor) { m_scaleFactor = factor; }
    quint8 decimalPlaces() const { return m_decimalPlaces; }
    void setDecimalPlaces(quint8 places) { m_decimalPlaces = places; }

private:
    bool m_hasInformation = false;
    quint8 m_featureLevel = 1;
    quint8 m_scaleFactor = 1;
    quint8 m_decimalPlaces = 2;
};
