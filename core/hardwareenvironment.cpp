#include "core/hardwareenvironment.h"

HardwareEnvironment* gHardwareEnv = nullptr;

HardwareEnvironment::HardwareEnvironment(QObject* parent)
    : QObject(parent)
{
}

HardwareEnvironment::~HardwareEnvironment() = default;
