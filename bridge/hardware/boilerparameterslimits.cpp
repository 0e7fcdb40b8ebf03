#include "bridge/hardware/boilerparameterslimits.h"

#include "core/parameters/parameterslimits.h"

namespace bridge {
namespace hardware {

namespace {

using Limits = lea::hardware::BoilerParametersLimits::Limits;

// A range needs both ends.
Limits toLimits(const QMap<QString, QVariant>& map)
{
    const QString min = QStringLiteral("min"), max = QStringLiteral("max");
    if (!map.contains(min) || !map.contains(max))
        return nonstd::nullopt;
    return qMakePair(map.value(min).toInt(), map.value(max).toInt());
}

} // namespace

BoilerParametersLimits::BoilerParametersLimits(QObject* parent)
    : lea::hardware::BoilerParametersLimits(parent)
{
}

BoilerParametersLimits::~BoilerParametersLimits() = default;

Limits BoilerParametersLimits::instantBoilerTemp() const
{
    const Parameters::ParametersLimits* limits = Parameters::ParametersLimits::instance();
    return limits ? toLimits(limits->instantTemp_dC()) : nonstd::nullopt;
}

Limits BoilerParametersLimits::espressoBoilerTemp() const
{
    const Parameters::ParametersLimits* limits = Parameters::ParametersLimits::instance();
    return limits ? toLimits(limits->espressoTemp_dC()) : nonstd::nullopt;
}

Limits BoilerParametersLimits::boostTimeFirstCoffee() const
{
    return toLimits({ { QStringLiteral("min"), 0 }, { QStringLiteral("max"), 900 } });
}

Limits BoilerParametersLimits::boostTimeThresholdEspresso() const
{
    return toLimits({ { QStringLiteral("min"), 3 }, { QStringLiteral("max"), 90 } });
}

} // namespace hardware
} // namespace bridge
