#include "core/machine/statemachine.h"

StateMachine::StateMachine(QObject* parent)
    : QObject(parent)
{
}

StateMachine::~StateMachine() = default;
