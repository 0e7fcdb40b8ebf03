#include "core/hardwareenvironment.h"

#include "core/hardware/hardwaresettings.h"
#include "core/hardware/inputscheck.h"

HardwareEnvironment* gHardwareEnv = nullptr;

HardwareEnvironment::HardwareEnvironment(QObject* parent)
    : QObject(parent)
    , m_inputsCheck(new InputsCheck(this))
    , m_hardwareSettings(new HardwareSettings(this))
{
}

HardwareEnvironment::~HardwareEnvironment() = default;
