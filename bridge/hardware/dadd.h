#pragma once

#include "lea/hardware/dadd.h"

namespace bridge {
namespace hardware {

/// The delivery-area door: whether the machine uses it, whether it is closed,
/// and opening and closing it at the interface's request.
class DADD : public lea::hardware::DADD
{
    Q_OBJECT

public:
    /// Relays the device's signals.
    explicit DADD(QObject* parent);

    bool enabled() const override;
    bool status() const override;
    void openDoor() override;
    void closeDoor() override;
};

} // namespace hardware
} // namespace bridge
