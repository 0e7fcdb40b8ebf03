#include "core/hardwareenvironment.h"

#include "core/hardware/inputscheck.h"
#include "core/parameters/parameterslimits.h"

HardwareEnvironment* gHardwareEnv = nullptr;

HardwareEnvironment::HardwareEnvironment(QObject* parent)
    : QObject(parent)
    , m_inputsCheck(new InputsCheck(this))
    , m_parametersLimits(new Parameters::ParametersLimits(this))
{
}

HardwareEnvironment::~HardwareEnvironment() = default;
