#pragma once

#include "core/multimachines/baseslavemachine.h"

#include <QList>
#include <QObject>

namespace MultiMachines {

/// Whether this machine drives slave machines, and the slaves present: one
/// place per port, empty where no slave answers.
class SlaveMachinesSettings : public QObject
{
    Q_OBJECT

public:
    explicit SlaveMachinesSettings(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    /// The ports in order; null for a port without a slave.
    QList<BaseSlaveMachine*> slaveMachines() const { return m_slaves; }
    /// Adds a port with a slave of `type` (simulator hook).
    void attachSlaveMachine(BaseSlaveMachine::SlaveSelectionType type)
    {
        m_slaves << new BaseSlaveMachine(type, this);
    }
    /// Adds a port where no slave answers (simulator hook).
    void addEmptyPort() { m_slaves << nullptr; }

private:
    bool m_enabled = false;
    QList<BaseSlaveMachine*> m_slaves;
};

} // namespace MultiMachines
