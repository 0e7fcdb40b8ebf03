#pragma once

#include "core/configuration/energysavingsettings.h"
#include "core/machine/machinedatabase.h"

#include <QObject>

class CpuStateMachine;
class ErogationManager;

/// The machine: its state machine, its dispensing manager, energy saving,
/// cleaning activity and the dispensing events.
class Machine : public QObject
{
    Q_OBJECT

public:
    explicit Machine(QObject* parent = nullptr);
    ~Machine() override;

    CpuStateMachine* cpuStateMachine() const { return m_cpuStateMachine; }
    ErogationManager* erogationManager() const { return m_erogationManager; }
    MachineDatabase* machineDatabase() const { return m_machineDatabase; }
    /// Stores the level supervision of `canister`; false when it could not be stored.
    bool saveCanisterLevel(Canister* canister)
    {
        return canister && m_machineDatabase->saveCanisterLevel(*canister);
    }

    EnergySavingSettings::EnergyMode energyMode() const { return m_energyMode; }
    void setEnergyMode(EnergySavingSettings::EnergyMode mode);

    /// A cleaning cycle started by the operator is running.
    bool isCleaning() const { return m_cleaning; }
    void setCleaning(bool cleaning);
    /// The cleaning that follows a period without use is running.
    bool isInactivityCleaning() const { return m_inactivityCleaning; }
    void setInactivityCleaning(bool cleaning);
    bool isRinsing() const { return m_rinsing; }
    void setRinsing(bool rinsing);

    /// The status word of the machine's controller board.
    quint32 statusWord() const { return m_statusWord; }
    void setStatusWord(quint32 word);

    // The events of a dispensing, as the dispensing protocol reports them.
    void startErogation() { emit erogationStarted(); }
    void failErogation() { emit erogationFailed(); }
    /// A failure that the user interface is to show.
    void showErogationFailure() { emit showErogationFailed(); }
    void requestCupRemoval() { emit erogationTakeCup(); }
    void confirmCupRemoved() { emit erogationDoneCupRemoved(); }
    void finishErogation() { emit erogationDone(); }

signals:
    void energyModeChanged(EnergySavingSettings::EnergyMode mode);
    /// Any of the cleaning and rinsing indicators changed.
    void cleaningActivityChanged();
    void statusWordChanged(quint32 word);

    void erogationStarted();
    void erogationFailed();
    void showErogationFailed();
    void erogationTakeCup();
    void erogationDoneCupRemoved();
    void erogationDone();

private:
    void setCleaningIndicator(bool& indicator, bool value);

    CpuStateMachine* m_cpuStateMachine;
    ErogationManager* m_erogationManager;
    MachineDatabase* m_machineDatabase = new MachineDatabase(this);
    EnergySavingSettings::EnergyMode m_energyMode = EnergySavingSettings::NoSaving;
    bool m_cleaning = false;
    bool m_inactivityCleaning = false;
    bool m_rinsing = false;
    quint32 m_statusWord = 0;
};
