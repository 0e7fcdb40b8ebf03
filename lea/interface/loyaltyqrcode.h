#pragma once

#include "nonstd/optional.hpp"

#include <QDate>
#include <QObject>
#include <QString>

namespace lea {
namespace interface {

/// Accessor of the loyalty programme's QR code.
class LoyaltyQRCode : public QObject
{
    Q_OBJECT

public:
    /// The loyalty programme's settings; the two texts pass through unchanged.
    struct Settings
    {
        bool enabled = false;
        nonstd::optional<QDate> date;
        QString firstText;
        QString secondText;
    };

    ~LoyaltyQRCode() override = default;

    virtual Settings settings() const = 0;
    /// The text the code encodes; empty when there is none.
    virtual QString data() const = 0;

signals:
    void dataChanged();

protected:
    explicit LoyaltyQRCode(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
