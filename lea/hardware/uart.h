#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of UART features.
class UART : public QObject
{
    Q_OBJECT

public:
    ~UART() override = default;

protected:
    explicit UART(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
