#include "core/parameters/parameterslimits.h"

#include "core/hardwareenvironment.h"

namespace Parameters {

ParametersLimits::ParametersLimits(QObject* parent)
    : QObject(parent)
    , m_espressoSoft_dC { { QStringLiteral("min"), 700 }, { QStringLiteral("max"), 950 } }
    , m_instantSoft_dC { { QStringLiteral("min"), 600 }, { QStringLiteral("max"), 900 } }
    , m_espressoDeep_dC { { QStringLiteral("min"), 400 }, { QStringLiteral("max"), 800 } }
    , m_instantDeep_dC { { QStringLiteral("min"), 400 }, { QStringLiteral("max"), 750 } }
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
