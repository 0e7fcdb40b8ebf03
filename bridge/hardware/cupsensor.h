#pragma once

#include "lea/hardware/cupsensor.h"

namespace bridge {
namespace hardware {

/// The cup sensor: cup presence and carrier position from the machine's
/// sensor, its mode, sensitivity and dispensing rule from the configuration.
class CupSensor : public lea::hardware::CupSensor
{
    Q_OBJECT

public:
    /// Relays the sensor's signals when the machine has one.
    explicit CupSensor(QObject* parent);
    ~CupSensor() override;

    /// The index is not used: the sensor reports any cup.
    bool isCupPresent(nonstd::optional<CupSensorIdx> index) const override;
    bool isCupCarrierPositionHome() const override;
    /// Throws std::invalid_argument for a stored value the interface does not name.
    Settings settings() const override;
    /// Stores the mode, the sensitivity and the rule one after the other, each
    /// on its own: a value that does not convert, or a refused save, is logged
    /// and keeps that setting as it was without stopping the others.
    void setSettings(const Settings& settings) override;
};

} // namespace hardware
} // namespace bridge
