#pragma once

#include "core/machine/statemachine.h"

/// The machine's main state machine.
class CpuStateMachine : public StateMachine
{
    Q_OBJECT

public:
    enum State : int {
        Undefined = -2,
        Booting = -1,
        Initialising = 0,
        HeatingUp = 1,
        Ready = 2,
        Selecting = 3,
        AwaitingPayment = 4,
        EnergySaving = 5,
        Failure = 6,
        Cleaning = 7,
        Maintenance = 8,
        Programming = 9,
        OutOfService = 10,
        Dispensing = 11,
        Updating = 12,
    };

    explicit CpuStateMachine(QObject* parent = nullptr);
    ~CpuStateMachine() override;

    State currentState() const { return m_currentState; }
    /// Enters `state`; stateEnter() announces it. The current state is not entered again.
    void setCurrentState(State state);

private:
    State m_currentState = Undefined;
};
