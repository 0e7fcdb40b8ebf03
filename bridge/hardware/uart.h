#pragma once

#include "lea/hardware/uart.h"

namespace bridge {
namespace hardware {

/// Tells which feature the machine's shared serial port currently serves.
class UART : public lea::hardware::UART
{
    Q_OBJECT

public:
    explicit UART(QObject* parent);
    ~UART() override;

    bool availableFor(Feature feature) const override;
};

} // namespace hardware
} // namespace bridge
