#pragma once

#include "lea/hardware/fan.h"

namespace bridge {
namespace hardware {

/// Reads and stores the fan settings of the configuration and sends them to
/// the actuator board.
class Fan : public lea::hardware::Fan
{
    Q_OBJECT

public:
    explicit Fan(QObject* parent);
    ~Fan() override;

    Settings settings() const override;
    /// Stores and sends the settings. A duration the machine cannot hold, or a
    /// refused save, is logged and changes nothing.
    void setSettings(const Settings& settings) override;
};

} // namespace hardware
} // namespace bridge
