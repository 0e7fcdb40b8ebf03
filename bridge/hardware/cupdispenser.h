#pragma once

#include "lea/hardware/cupdispenser.h"

namespace bridge {
namespace hardware {

/// Reads and stores the cup dispenser timings of the configuration and sends
/// them to the cup dispenser.
class CupDispenser : public lea::hardware::CupDispenser
{
    Q_OBJECT

public:
    explicit CupDispenser(QObject* parent);
    ~CupDispenser() override;

    Settings settings() const override;
    /// Stores both timings and sends them, also when they are unchanged. A
    /// timing the machine cannot hold, or a refused save, is logged and changes
    /// nothing.
    void setSettings(const Settings& settings) override;
};

} // namespace hardware
} // namespace bridge
