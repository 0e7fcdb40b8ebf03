#include "core/parameters/parameterslimits.h"

#include "core/hardwareenvironment.h"

namespace Parameters {

ParametersLimits::ParametersLimits(QObject* parent)
    : QObject(parent)
    , m_instantTemp_dC { { QStringLiteral("min"), 700 }, { QStringLiteral("max"), 980 } }
    , m_espressoTemp_dC { { QStringLiteral("min"), 800 }, { QStringLiteral("max"), 1000 } }
{
}

ParametersLimits::~ParametersLimits() = default;

ParametersLimits* ParametersLimits::instance()
{
    return gHardwareEnv ? gHardwareEnv->parametersLimits() : nullptr;
}

} // namespace Parameters
