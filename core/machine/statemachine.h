#pragma once

#include <QObject>

/// A state machine of the core; announces every state it enters.
class StateMachine : public QObject
{
    Q_OBJECT

public:
    explicit StateMachine(QObject* parent = nullptr);
    ~StateMachine() override;

signals:
    void stateEnter(int state);
};
