#pragma once

#include <cstdint>
#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of UART features.
class UART : public QObject
{
    Q_OBJECT

public:
    /// What the shared serial port may serve.
    enum Feature : int32_t {
        CodeScanner = 1,
        TouchlessPayment = 2,
    };
    Q_ENUM(Feature)

    ~UART() override = default;

    /// The serial port currently serves `feature`.
    virtual bool availableFor(Feature feature) const = 0;

signals:
    /// The feature the serial port serves changed.
    void availableForChanged();

protected:
    explicit UART(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
