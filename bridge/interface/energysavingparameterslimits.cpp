#include "bridge/interface/energysavingparameterslimits.h"

#include "core/parameters/parameterslimits.h"

namespace bridge {
namespace interface {

namespace {

using Limits = lea::interface::EnergySavingParametersLimits::Limits;
using LimitsMap = QMap<QString, QVariant>;

/// The range of one of the machine's parameter limits; empty without a
/// machine, without both ends, or with an end that is not a number.
Limits machineLimits(LimitsMap (Parameters::ParametersLimits::*limits)() const)
{
    const Parameters::ParametersLimits* parameters = Parameters::ParametersLimits::instance();
    if (!parameters)
        return {};
    const LimitsMap map = (parameters->*limits)();
    const QString min = QStringLiteral("min");
    const QString max = QStringLiteral("max");
    if (!map.contains(min) || !map.contains(max))
        return {};
    bool minIsNumber = false;
    bool maxIsNumber = false;
    const int minimum = map.value(min).toInt(&minIsNumber);
    const int maximum = map.value(max).toInt(&maxIsNumber);
    if (!minIsNumber || !maxIsNumber)
        return {};
    return QPair<int, int>(minimum, maximum);
}

} // namespace

EnergySavingParametersLimits::EnergySavingParametersLimits(QObject* parent)
    : lea::interface::EnergySavingParametersLimits(parent)
{
}

Limits EnergySavingParametersLimits::timeBeforeSoftMode() const
{
    return QPair<int, int>(1, 120);
}

Limits EnergySavingParametersLimits::espressoBoilerTempSoftMode() const
{
    return machineLimits(&Parameters::ParametersLimits::espressoBoilerTempSoftMode_dC);
}

Limits EnergySavingParametersLimits::instantBoilerTempSoftMode() const
{
    return machineLimits(&Parameters::ParametersLimits::instantBoilerTempSoftMode_dC);
}

Limits EnergySavingParametersLimits::steamBoilerPressureSoftMode() const
{
    return {};
}

Limits EnergySavingParametersLimits::wakeUpTimeDeepMode() const
{
    return QPair<int, int>(0, 30);
}

Limits EnergySavingParametersLimits::espressoBoilerTempDeepMode() const
{
    return machineLimits(&Parameters::ParametersLimits::espressoBoilerTempDeepMode_dC);
}

Limits EnergySavingParametersLimits::instantBoilerTempDeepMode() const
{
    return machineLimits(&Parameters::ParametersLimits::instantBoilerTempDeepMode_dC);
}

Limits EnergySavingParametersLimits::steamBoilerPressureDeepMode() const
{
    return {};
}

Limits EnergySavingParametersLimits::salesThresholdValueSelfMode() const
{
    return {};
}

Limits EnergySavingParametersLimits::wakeUpTimeFromOff() const
{
    return {};
}

} // namespace interface
} // namespace bridge
