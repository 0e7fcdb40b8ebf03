#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of sensor readings.
class Sensors : public QObject
{
    Q_OBJECT

public:
    /// A machine input (door switches, level sensors and the like), numbered
    /// from FirstSensor to LastSensor.
    enum SensorId : int32_t {
        FirstSensor = 0,
        LastSensor = 49,
    };
    Q_ENUM(SensorId)

    ~Sensors() override = default;

    /// Asks the machine to read every input again; changes arrive through sensorChanged().
    virtual void readSensors() = 0;
    /// Whether the input is active; empty when the machine cannot tell.
    virtual nonstd::optional<bool> isActive(SensorId id) const = 0;

signals:
    /// The machine read a new status of the input.
    void sensorChanged(lea::hardware::Sensors::SensorId id);

protected:
    explicit Sensors(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
