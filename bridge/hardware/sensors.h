#pragma once

#include "core/hardware/inputscheck.h"
#include "lea/hardware/sensors.h"

namespace bridge {
namespace hardware {

/// Tells whether the machine's inputs are active, from the core's input
/// checker, and relays their changes.
class Sensors : public lea::hardware::Sensors
{
    Q_OBJECT

public:
    explicit Sensors(QObject* parent);
    ~Sensors() override;

    void readSensors() override;
    nonstd::optional<bool> isActive(SensorId id) const override;

private:
    void onInputStatusChanged(InputsCheck::MachineInputs input);
};

} // namespace hardware
} // namespace bridge
