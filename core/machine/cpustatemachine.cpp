#include "core/machine/cpustatemachine.h"

CpuStateMachine::CpuStateMachine(QObject* parent)
    : StateMachine(parent)
{
}

CpuStateMachine::~CpuStateMachine() = default;

void CpuStateMachine::setCurrentState(State state)
{
    if (state == m_currentState)
        return;
    m_currentState = state;
    emit stateEnter(state);
}
