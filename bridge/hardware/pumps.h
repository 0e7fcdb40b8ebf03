#pragma once

#include "lea/hardware/pumps.h"

namespace bridge {
namespace hardware {

/// Reads and stores the calibration range of the machine's logical pumps.
class Pumps : public lea::hardware::Pumps
{
    Q_OBJECT

public:
    explicit Pumps(QObject* parent);
    ~Pumps() override;

    std::map<LogicalPumpId, Pump> pumps() const override;
    /// Stores every entry or, when one has no core pump number or the core
    /// refuses, none: an invalid identifier throws before anything is written.
    void setPumps(const std::map<LogicalPumpId, Pump>& pumps) override;
};

} // namespace hardware
} // namespace bridge
