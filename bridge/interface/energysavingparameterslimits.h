#pragma once

#include "lea/interface/energysavingparameterslimits.h"

namespace bridge {
namespace interface {

/// The ranges the machine allows for the energy-saving settings.
class EnergySavingParametersLimits : public lea::interface::EnergySavingParametersLimits
{
    Q_OBJECT

public:
    explicit EnergySavingParametersLimits(QObject* parent);

    /// Minutes.
    Limits timeBeforeSoftMode() const override;
    /// The temperature ranges: from the machine's parameter limits, empty
    /// where it has none with both ends.
    Limits espressoBoilerTempSoftMode() const override;
    Limits instantBoilerTempSoftMode() const override;
    Limits steamBoilerPressureSoftMode() const override;
    /// Minutes.
    Limits wakeUpTimeDeepMode() const override;
    Limits espressoBoilerTempDeepMode() const override;
    Limits instantBoilerTempDeepMode() const override;
    Limits steamBoilerPressureDeepMode() const override;
    Limits salesThresholdValueSelfMode() const override;
    Limits wakeUpTimeFromOff() const override;
};

} // namespace interface
} // namespace bridge
