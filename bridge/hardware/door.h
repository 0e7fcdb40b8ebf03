#pragma once

#include "lea/hardware/door.h"

namespace bridge {
namespace hardware {

/// The machine's service door: its state, whether it may be opened, and its simulation.
class Door : public lea::hardware::Door
{
    Q_OBJECT

public:
    explicit Door(QObject* parent);

    bool isOpened() const override;
    bool canOpen() const override;
    void simulateOpened() override;
    void simulateClosed() override;
};

} // namespace hardware
} // namespace bridge
