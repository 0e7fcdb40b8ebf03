#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of Bluetooth Low Energy.
class BLE : public QObject
{
    Q_OBJECT

public:
    ~BLE() override = default;

protected:
    explicit BLE(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
