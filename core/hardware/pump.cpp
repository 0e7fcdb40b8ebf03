#include "core/hardware/pump.h"

Pump::Pump(int number, InputsOutputs::LogicalPumpId logicalId, QObject* parent)
    : QObject(parent)
    , m_number(number)
    , m_logicalId(logicalId)
{
}

Pump::~Pump() = default;
