#pragma once

#include "core/machine/abstracterogationprotocol.h"

/// The dispensing protocol of the machines that empty their boilers through
/// a procedure of their own.
class ErogationProtocolMivoTouchDaltoRusena : public AbstractErogationProtocol
{
    Q_OBJECT

public:
    /// Where the procedure that empties the boilers stands: idle, one of the
    /// operator's steps, or a state the boards report (100 to 124).
    enum DaltoRusEmptyBoilerState : int {
        EmptyBoilerIdle = 0,
        FirstOperatorStep = 1,
        LastOperatorStep = 4,
        FirstBoardState = 100,
        LastBoardState = 124,
    };
    Q_ENUM(DaltoRusEmptyBoilerState)

    explicit ErogationProtocolMivoTouchDaltoRusena(QObject* parent = nullptr)
        : AbstractErogationProtocol(parent)
    {
    }

    DaltoRusEmptyBoilerState emptyBoilerState() const { return m_emptyBoilerState; }
    void setEmptyBoilerState(DaltoRusEmptyBoilerState state)
    {
        if (state == m_emptyBoilerState)
            return;
        m_emptyBoilerState = state;
        emit emptyBoilerStateChanged(state);
    }

signals:
    void emptyBoilerStateChanged(ErogationProtocolMivoTouchDaltoRusena::DaltoRusEmptyBoilerState state);

private:
    DaltoRusEmptyBoilerState m_emptyBoilerState = EmptyBoilerIdle;
};
