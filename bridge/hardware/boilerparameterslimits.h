#pragma once

#include "lea/hardware/boilerparameterslimits.h"

namespace bridge {
namespace hardware {

/// The ranges within which the interface may set the boiler temperatures and
/// boost times: the temperatures' from the machine, the boost times' fixed.
class BoilerParametersLimits : public lea::hardware::BoilerParametersLimits
{
    Q_OBJECT

public:
    explicit BoilerParametersLimits(QObject* parent);
    ~BoilerParametersLimits() override;

    Limits instantBoilerTemp() const override;
    Limits espressoBoilerTemp() const override;
    Limits boostTimeFirstCoffee() const override;
    Limits boostTimeThresholdEspresso() const override;
};

} // namespace hardware
} // namespace bridge
