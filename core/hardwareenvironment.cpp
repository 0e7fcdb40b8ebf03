#include "core/hardwareenvironment.h"

#include "core/hardware/inputscheck.h"

HardwareEnvironment* gHardwareEnv = nullptr;

HardwareEnvironment::HardwareEnvironment(QObject* parent)
    : QObject(parent)
    , m_inputsCheck(new InputsCheck(this))
{
}

HardwareEnvironment::~HardwareEnvironment() = default;
