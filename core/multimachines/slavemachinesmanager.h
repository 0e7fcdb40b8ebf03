#pragma once

#include <QList>
#include <QObject>

class RemoteTemperatureManager;

/// The slave machines attached to this one (at most two): each with the temperature manager that
/// follows its fridge, and whether it is active.
class SlaveMachinesManager : public QObject
{
    Q_OBJECT

public:
    explicit SlaveMachinesManager(QObject* parent = nullptr);

    /// The temperature manager of each attached slave, in the order they were attached.
    QList<RemoteTemperatureManager*> remoteTemperatureManagers() const { return m_temperatureManagers; }
    /// Attaches one more slave, inactive (simulator hook); it is ignored beyond the second.
    RemoteTemperatureManager* attachSlaveMachine();

    bool isFirstSlaveMachineActive() const { return m_firstActive; }
    void setFirstSlaveMachineActive(bool active);
    bool isSecondSlaveMachineActive() const { return m_secondActive; }
    void setSecondSlaveMachineActive(bool active);

signals:
    void firstSlaveMachineActiveChanged();
    void secondSlaveMachineActiveChanged();

private:
    QList<RemoteTemperatureManager*> m_temperatureManagers;
    bool m_firstActive = false;
    bool m_secondActive = false;
};
