#pragma once

#include "core/configuration/cleaningsettings.h"
#include "core/configuration/energysavingsettings.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/failurecommonlist.h"
#include "core/machine/machinedatabase.h"
#include "core/machine/machineidentity.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

class BoilerTemperatureAverageHandler;
class CpuStateMachine;
class ErogationManager;
class EnergySavingTimer;
class Evadts;
class EvadtsConfigurationReportHandler;
class Failure;
class ModemManager;
class ModemParameters;
class AbstractQrCode;
class SelectionQrCode;
class SlaveMachinesManager;
class Statistics;
class TimeCleaning;
class UARTManager;
class NetworkParameters;
class WifiParameters;

/// The machine: its state machine, its dispensing manager, energy saving,
/// cleaning activity, the dispensing events and its failures.
class Machine : public QObject
{
    Q_OBJECT

public:
    /// What a reset of failures achieved.
    enum ResetFailuresMessages : int {
        NoFailureToReset = 0, ///< no failure that the reset concerns was active
        FailuresReset = 1, ///< every failure that the reset concerns was cleared
        FailuresRemain = 2, ///< some of them stay active: their cause persists
    };

    explicit Machine(QObject* parent = nullptr);
    ~Machine() override;

    CpuStateMachine* cpuStateMachine() const { return m_cpuStateMachine; }
    const MachineIdentity& identity() const { return m_identity; }
    void setIdentity(const MachineIdentity& identity) { m_identity = identity; }
    /// The machine runs the Quorra user interface (simulator hook: setter).
    bool isQuorra() const { return m_quorra; }
    void setQuorra(bool quorra) { m_quorra = quorra; }
    /// Sets the machine's clock, which keeps local time; `zone` names no zone when empty.
    void setMachineDateTime(
        int year, int month, int day, int hour, int minute, int second, const QString& zone);
    ErogationManager* erogationManager() const { return m_erogationManager; }
    MachineDatabase* machineDatabase() const { return m_machineDatabase; }
    /// Stores the level supervision of `canister`; false when it could not be stored.
    bool saveCanisterLevel(Canister* canister)
    {
        return canister && m_machineDatabase->saveCanisterLevel(*canister);
    }

    /// The boilers are heating up to their set-points.
    bool isMachineHeating() const { return m_heating; }
    /// heating() follows when the machine starts heating.
    void setMachineHeating(bool heating);
    /// The averages of the boiler temperatures, one handler per averaged boiler.
    QList<BoilerTemperatureAverageHandler*> boilerTemperatureAverageHandlers() const
    {
        return m_averageHandlers;
    }
    /// Builds the machine with `count` average handlers (simulator hook).
    void setBoilerTemperatureAverageHandlerCount(int count);

    EnergySavingSettings::EnergyMode energyMode() const { return m_energyMode; }
    /// energySavingStarted() or energySavingFinished() follow when saving begins or ends.
    void setEnergyMode(EnergySavingSettings::EnergyMode mode);
    EnergySavingTimer* energySavingTimer() const { return m_energySavingTimer; }
    /// The operator touched the screen during energy saving.
    void onClickedEnergySaving();

    /// A cleaning cycle started by the operator is running.
    bool isCleaning() const { return m_cleaning; }
    void setCleaning(bool cleaning);
    /// The cleaning that follows a period without use is running.
    bool isInactivityCleaning() const { return m_inactivityCleaning; }
    void setInactivityCleaning(bool cleaning);
    bool isRinsing() const { return m_rinsing; }
    void setRinsing(bool rinsing);
    /// The operator starts a cleaning cycle: the machine cleans in the CPU
    /// state Cleaning, and returns to the state before once it is finished.
    void startCleaning();
    /// Starts a rinsing of `type` with `amount` (in the machine's unit), on
    /// the operator's request or, with `schedule`, for that schedule entry:
    /// reported started, then running, as startCleaning() cleans. Nothing
    /// happens while another cleaning runs. `remote` marks a request that did
    /// not come from the machine's own screen, and is passed on in the events.
    void startCleaning(
        CleaningSettings::RinsingType type, int amount, bool remote, bool forced, TimeCleaning* schedule);
    /// Ends the running cleaning, reported finished.
    void finishCleaning();
    /// Reports an event of a cleaning or rinsing as the machine's controller does.
    void reportCleanRinseEvent(CleaningSettings::RinsingType type, CleaningSettings::RinsingMode mode,
        CleaningSettings::RinsingState state, bool remote)
    {
        emit notifyCleanRinseEvent(type, mode, state, remote);
    }
    /// The amount of the last rinsing started.
    int lastCleaningAmount() const { return m_cleaningAmount; }
    /// Plans the scheduled rinsings again from the saved schedule, after `delay` ms.
    void updateCleaningTimers(long long delay) { emit cleaningTimersUpdated(delay); }

    /// The service door is open: the machine is in the CPU state Maintenance
    /// until it is closed, then returns to the state it was in.
    bool isDoorOpen() const { return m_doorOpen; }
    void simulateDoorOpened();
    void simulateDoorClosed();
    /// The operator may enter the technical menu (and so open the door): not while dispensing.
    bool canEnterInTechnicalMenu() const { return !m_erogating; }

    /// The status word of the machine's controller board.
    quint32 statusWord() const { return m_statusWord; }
    void setStatusWord(quint32 word);

    /// The QR code of the current selection; null on a machine without one.
    SelectionQrCode* selectionQrCode() const { return m_selectionQrCode; }
    /// Builds the machine with or without a selection QR code (simulator hook).
    void setSelectionQrCodeFitted(bool fitted);
    /// The QR code printed on receipts; null on a machine without one.
    AbstractQrCode* receiptQrCode() const { return m_receiptQrCode; }
    void setReceiptQrCodeFitted(bool fitted);
    /// Customers may select by scanning the selection QR code (ERS protocol).
    bool isSelectionQrCodeActive() const { return m_selectionQrCodeActive; }
    void setSelectionQrCodeActive(bool active);
    /// The ERS server's terminal identifier and payment-system number; -1 when none is set.
    QString ersTerminalId() const { return m_ersTerminalId; }
    void setErsTerminalId(const QString& id) { m_ersTerminalId = id; }
    int ersPaymentSystem() const { return m_ersPaymentSystem; }
    void setErsPaymentSystem(int number) { m_ersPaymentSystem = number; }
    /// The Televend client reaches its cloud.
    bool isTelevendCloudConnected() const { return m_televendCloudConnected; }
    void setTelevendCloudConnected(bool connected) { m_televendCloudConnected = connected; }

    /// The manager of the attached slave machines; null on a machine built without them.
    SlaveMachinesManager* slaveMachinesManager() const { return m_slaveMachinesManager; }
    /// Builds the machine with or without slave machines (simulator hook).
    void setSlaveMachinesFitted(bool fitted);
    /// The mobile modem and its settings.
    ModemManager* modemManager() const { return m_modemManager; }
    ModemParameters* modemParameters() const { return m_modemParameters; }
    /// The shared serial port.
    UARTManager* uartManager() const { return m_uartManager; }
    /// The network links.
    NetworkParameters* ethernetParameters() const { return m_ethernetParameters; }
    WifiParameters* wifiParameters() const { return m_wifiParameters; }

    /// The machine's statistics notifications.
    Statistics* statistics() const { return m_statistics; }
    /// The EVA-DTS audit data.
    Evadts* evadts() const { return m_evadts; }
    EvadtsConfigurationReportHandler* evadtsConfigurationReportHandler() const
    {
        return m_evadtsReportHandler;
    }
    /// Completed vends since the counter was set up.
    int deliveryCount() const { return m_deliveryCount; }
    void countDelivery();
    /// Sets the counter, as after a counter reset (simulator hook).
    void setDeliveryCount(int count);

    // --- Maintenance and solid waste -------------------------------------------

    /// When the machine was last serviced; null before the first service.
    QDateTime lastMaintenance() const { return m_lastMaintenance; }
    void setLastMaintenance(const QDateTime& time) { m_lastMaintenance = time; }
    /// How full the solid-waste container is, in the unit of the hardware settings.
    int solidWaste() const { return m_solidWaste; }
    void setSolidWaste(int value) { m_solidWaste = value; }

    /// A dispensing is running.
    bool isErogating() const { return m_erogating; }
    void setErogating(bool erogating) { m_erogating = erogating; }
    /// Asks the running dispensing to stop; it ends failed.
    void stopErogation();

    // The events of a dispensing, as the dispensing protocol reports them.
    void startErogation() { emit erogationStarted(); }
    void failErogation() { emit erogationFailed(); }
    /// A failure that the user interface is to show.
    void showErogationFailure() { emit showErogationFailed(); }
    void requestCupRemoval() { emit erogationTakeCup(); }
    void confirmCupRemoved() { emit erogationDoneCupRemoved(); }
    void finishErogation() { emit erogationDone(); }

    // --- Failures ---------------------------------------------------------------
    // One failure object per identifier, made with the machine.

    /// Every failure, by identifier.
    QMap<FailureCommonList::FailureID, Failure*> failures() const { return m_failures; }
    /// The failure with that identifier, or null when the machine has none.
    Failure* failure(FailureCommonList::FailureID id) const { return m_failures.value(id); }
    /// The active failures, in the order they became active.
    QList<Failure*> activeFailures() const { return m_activeFailures; }
    /// Raises or clears a failure, as the machine's devices do; nothing for an
    /// unknown id. A blocking failure raised while dispensing stops the dispensing.
    void setFailureActive(FailureCommonList::FailureID id, bool active);
    /// Deletes a failure, as on a machine built without the device that reports it.
    void discardFailure(FailureCommonList::FailureID id);
    /// Clears the active failures that may be reset: with `userOnly` those the
    /// user may reset, otherwise all that a reset clears.
    ResetFailuresMessages resetFailures(bool userOnly);
    /// The failure history, oldest first: one line per raise of a failure that
    /// is written to the history, with the machine's time, its id and its name.
    QStringList failuresHistoryExport() const;

    /// Whether a cup turret is in error: it cannot drop cups.
    bool isInErrorCupTurret1() const { return m_inErrorCupTurret1; }
    void setInErrorCupTurret1(bool inError) { m_inErrorCupTurret1 = inError; }
    bool isInErrorCupTurret2() const { return m_inErrorCupTurret2; }
    void setInErrorCupTurret2(bool inError) { m_inErrorCupTurret2 = inError; }
    /// The machine offers to initialise the espresso brewer (simulator hook: setter).
    bool isEspressoBrewerInitAvailable() const { return m_espressoBrewerInitAvailable; }
    void setEspressoBrewerInitAvailable(bool available);
    /// The operator was asked about the brewer's initialisation and answered.
    bool isEspressoBrewerInitPrompted() const { return m_espressoBrewerInitPrompted; }
    void setEspressoBrewerInitPrompted(bool prompted);

    /// A cup stands where the machine dispenses.
    bool isCupPositionOk() const { return m_cupPositionOk; }
    void setCupPositionOk(bool ok);

signals:
    void heating();
    void isSelectionQrCodeActiveChanged(bool active);
    void energyModeChanged(EnergySavingSettings::EnergyMode mode);
    void energySavingStarted();
    void energySavingFinished();
    /// Any of the cleaning and rinsing indicators changed.
    void cleaningActivityChanged();
    void notifyCleanRinseEvent(CleaningSettings::RinsingType type, CleaningSettings::RinsingMode mode,
        CleaningSettings::RinsingState state, bool remote);
    void cleaningTimersUpdated(long long delay);
    void statusWordChanged(quint32 word);
    void doorOpenChanged(bool open);

    void erogationStarted();
    void erogationFailed();
    void showErogationFailed();
    void erogationTakeCup();
    void erogationDoneCupRemoved();
    void erogationDone();

    void activeFailuresListChanged();
    /// The delivery counter changed.
    void erogationsCountChanged();
    void cupPositionOkChanged();
    void espressoBrewerInitAvailableChanged(bool available);
    void espressoBrewerInitPromptedChanged(bool prompted);

private:
    void setCleaningIndicator(bool& indicator, bool value);
    /// Enters `state` for a service activity, remembering in `before` what to return to.
    void enterServiceState(CpuStateMachine::State state, CpuStateMachine::State& before);
    void leaveServiceState(CpuStateMachine::State state, CpuStateMachine::State before);
    void onFailureActiveChanged(Failure* failure, bool active);
    void recordFailure(const Failure& failure);

    CpuStateMachine* m_cpuStateMachine;
    MachineIdentity m_identity;
    bool m_quorra = false;
    ErogationManager* m_erogationManager;
    MachineDatabase* m_machineDatabase = new MachineDatabase(this);
    EnergySavingSettings::EnergyMode m_energyMode = EnergySavingSettings::NoSaving;
    EnergySavingTimer* m_energySavingTimer;
    bool m_cleaning = false;
    bool m_inactivityCleaning = false;
    bool m_rinsing = false;
    bool m_doorOpen = false;
    CpuStateMachine::State m_stateBeforeCleaning = CpuStateMachine::Undefined;
    CleaningSettings::RinsingType m_cleaningType = CleaningSettings::Rinsing0;
    CleaningSettings::RinsingMode m_cleaningMode = CleaningSettings::ManualMode;
    int m_cleaningAmount = 0;
    bool m_cleaningRemote = false;
    CpuStateMachine::State m_stateBeforeDoor = CpuStateMachine::Undefined;
    quint32 m_statusWord = 0;
    QMap<FailureCommonList::FailureID, Failure*> m_failures;
    QList<Failure*> m_activeFailures;
    bool m_inErrorCupTurret1 = false;
    bool m_inErrorCupTurret2 = false;
    bool m_cupPositionOk = true;
    bool m_espressoBrewerInitAvailable = false;
    bool m_espressoBrewerInitPrompted = false;
    Statistics* m_statistics;
    EvadtsConfigurationReportHandler* m_evadtsReportHandler;
    Evadts* m_evadts;
    int m_deliveryCount = 0;
    QDateTime m_lastMaintenance;
    int m_solidWaste = 0;
    SelectionQrCode* m_selectionQrCode;
    AbstractQrCode* m_receiptQrCode;
    bool m_selectionQrCodeActive = false;
    QString m_ersTerminalId;
    int m_ersPaymentSystem = -1;
    bool m_televendCloudConnected = false;
    SlaveMachinesManager* m_slaveMachinesManager = nullptr;
    ModemManager* m_modemManager;
    ModemParameters* m_modemParameters;
    UARTManager* m_uartManager;
    NetworkParameters* m_ethernetParameters;
    WifiParameters* m_wifiParameters;
    bool m_erogating = false;
    bool m_heating = false;
    QList<BoilerTemperatureAverageHandler*> m_averageHandlers;
};
