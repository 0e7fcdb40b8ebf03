#include "core/machine/machine.h"

#include "core/coreenvironment.h"
#include "core/log/history.h"
#include "core/machine/abstractqrcode.h"
#include "core/machine/boilertemperatureaveragehandler.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/energysavingtimer.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/failure.h"
#include "core/machine/machineclock.h"
#include "core/machine/modemmanager.h"
#include "core/machine/modemparameters.h"
#include "core/machine/networkparameters.h"
#include "core/machine/selectionqrcode.h"
#include "core/machine/uartmanager.h"
#include "core/machine/wifiparameters.h"
#include "core/multimachines/slavemachinesmanager.h"
#include "core/statistics/evadts.h"
#include "core/statistics/evadtsconfigurationreporthandler.h"
#include "core/statistics/statistics.h"

#include <QPointer>

Machine::Machine(QObject* parent)
    : QObject(parent)
    , m_cpuStateMachine(new CpuStateMachine(this))
    , m_erogationManager(new ErogationManager(this))
    , m_energySavingTimer(new EnergySavingTimer(*this))
    , m_statistics(new Statistics(this))
    , m_evadtsReportHandler(new EvadtsConfigurationReportHandler(this))
    , m_evadts(new Evadts(m_statistics, this))
    , m_selectionQrCode(new SelectionQrCode(this))
    , m_receiptQrCode(new AbstractQrCode(this))
    , m_modemManager(new ModemManager(this))
    , m_modemParameters(new ModemParameters(this))
    , m_uartManager(new UARTManager(this))
    , m_ethernetParameters(new NetworkParameters(this))
    , m_wifiParameters(new WifiParameters(this))
{
    for (int id = FailureCommonList::FirstFailure; id <= FailureCommonList::LastFailure; ++id) {
        auto* failure = new Failure(static_cast<FailureCommonList::FailureID>(id), this);
        m_failures.insert(failure->id(), failure);
        // Connected before anyone else: the list is up to date when others hear of the change.
        connect(failure, &Failure::activeChanged, this,
            [this, failure](bool active) { onFailureActiveChanged(failure, active); });
    }
    setBoilerTemperatureAverageHandlerCount(3);
}

Machine::~Machine() = default;

void Machine::setMachineHeating(bool heating)
{
    if (heating == m_heating)
        return;
    m_heating = heating;
    if (heating)
        emit this->heating();
}

void Machine::setBoilerTemperatureAverageHandlerCount(int count)
{
    while (m_averageHandlers.size() > qMax(count, 0))
        delete m_averageHandlers.takeLast();
    while (m_averageHandlers.size() < count)
        m_averageHandlers.append(new BoilerTemperatureAverageHandler(this));
}

void Machine::countDelivery()
{
    ++m_deliveryCount;
    emit erogationsCountChanged();
}

void Machine::setDeliveryCount(int count)
{
    if (m_deliveryCount == count)
        return;
    m_deliveryCount = count;
    emit erogationsCountChanged();
}

void Machine::setSlaveMachinesFitted(bool fitted)
{
    if (fitted == bool(m_slaveMachinesManager))
        return;
    if (fitted) {
        m_slaveMachinesManager = new SlaveMachinesManager(this);
    } else {
        delete m_slaveMachinesManager;
        m_slaveMachinesManager = nullptr;
    }
}

void Machine::setSelectionQrCodeFitted(bool fitted)
{
    if (fitted == bool(m_selectionQrCode))
        return;
    if (fitted) {
        m_selectionQrCode = new SelectionQrCode(this);
    } else {
        delete m_selectionQrCode;
        m_selectionQrCode = nullptr;
    }
}

void Machine::setReceiptQrCodeFitted(bool fitted)
{
    if (fitted == bool(m_receiptQrCode))
        return;
    if (fitted) {
        m_receiptQrCode = new AbstractQrCode(this);
    } else {
        delete m_receiptQrCode;
        m_receiptQrCode = nullptr;
    }
}

void Machine::setSelectionQrCodeActive(bool active)
{
    if (active == m_selectionQrCodeActive)
        return;
    m_selectionQrCodeActive = active;
    emit isSelectionQrCodeActiveChanged(active);
}

void Machine::stopErogation()
{
    if (!m_erogating)
        return;
    m_erogating = false;
    emit erogationFailed();
}

void Machine::setEnergyMode(EnergySavingSettings::EnergyMode mode)
{
    if (mode == m_energyMode)
        return;
    const auto saving = [](EnergySavingSettings::EnergyMode value) {
        return value != EnergySavingSettings::NoSaving && value != EnergySavingSettings::ScheduledOn;
    };
    const bool wasSaving = saving(m_energyMode);
    m_energyMode = mode;
    emit energyModeChanged(mode);
    if (!wasSaving && saving(mode))
        emit energySavingStarted();
    else if (wasSaving && !saving(mode))
        emit energySavingFinished();
}

void Machine::onClickedEnergySaving()
{
    m_energySavingTimer->wakeUp();
}

void Machine::setCleaning(bool cleaning)
{
    setCleaningIndicator(m_cleaning, cleaning);
}

void Machine::setInactivityCleaning(bool cleaning)
{
    setCleaningIndicator(m_inactivityCleaning, cleaning);
}

void Machine::setRinsing(bool rinsing)
{
    setCleaningIndicator(m_rinsing, rinsing);
}

void Machine::startCleaning()
{
    startCleaning(CleaningSettings::Rinsing0, 50, false, false, nullptr);
}

void Machine::startCleaning(
    CleaningSettings::RinsingType type, int amount, bool remote, bool /*forced*/, TimeCleaning* schedule)
{
    if (m_cleaning)
        return;
    m_cleaningType = type;
    m_cleaningMode = schedule ? CleaningSettings::ScheduledMode : CleaningSettings::ManualMode;
    m_cleaningAmount = amount;
    m_cleaningRemote = remote;
    setCleaning(true);
    enterServiceState(CpuStateMachine::Cleaning, m_stateBeforeCleaning);
    emit notifyCleanRinseEvent(type, m_cleaningMode, CleaningSettings::RinsingStarted, remote);
    if (m_cleaning)
        emit notifyCleanRinseEvent(type, m_cleaningMode, CleaningSettings::RinsingRunning, remote);
}

void Machine::finishCleaning()
{
    if (!m_cleaning)
        return;
    setCleaning(false);
    leaveServiceState(CpuStateMachine::Cleaning, m_stateBeforeCleaning);
    emit notifyCleanRinseEvent(
        m_cleaningType, m_cleaningMode, CleaningSettings::RinsingFinished, m_cleaningRemote);
}

void Machine::simulateDoorOpened()
{
    if (m_doorOpen)
        return;
    m_doorOpen = true;
    enterServiceState(CpuStateMachine::Maintenance, m_stateBeforeDoor);
    emit doorOpenChanged(true);
}

void Machine::simulateDoorClosed()
{
    if (!m_doorOpen)
        return;
    m_doorOpen = false;
    leaveServiceState(CpuStateMachine::Maintenance, m_stateBeforeDoor);
    emit doorOpenChanged(false);
}

void Machine::enterServiceState(CpuStateMachine::State state, CpuStateMachine::State& before)
{
    before = m_cpuStateMachine->currentState();
    m_cpuStateMachine->setCurrentState(state);
}

void Machine::leaveServiceState(CpuStateMachine::State state, CpuStateMachine::State before)
{
    // Another activity took the machine elsewhere meanwhile: it returns from there itself.
    if (m_cpuStateMachine->currentState() == state)
        m_cpuStateMachine->setCurrentState(before);
}

void Machine::setStatusWord(quint32 word)
{
    if (word == m_statusWord)
        return;
    m_statusWord = word;
    emit statusWordChanged(word);
}

void Machine::setCleaningIndicator(bool& indicator, bool value)
{
    if (indicator == value)
        return;
    indicator = value;
    emit cleaningActivityChanged();
}

void Machine::setFailureActive(FailureCommonList::FailureID id, bool active)
{
    if (Failure* found = failure(id))
        found->setActive(active);
}

void Machine::discardFailure(FailureCommonList::FailureID id)
{
    Failure* found = m_failures.take(id);
    if (!found)
        return;
    const bool wasActive = m_activeFailures.removeOne(found);
    delete found;
    if (wasActive)
        emit activeFailuresListChanged();
}

Machine::ResetFailuresMessages Machine::resetFailures(bool userOnly)
{
    // A slot on a failure's change may discard another one.
    QList<QPointer<Failure>> concerned;
    for (Failure* failure : m_activeFailures) {
        if (!userOnly || failure->isUserResettable())
            concerned << failure;
    }
    if (concerned.isEmpty())
        return NoFailureToReset;
    bool remain = false;
    for (const QPointer<Failure>& failure : concerned) {
        if (!failure)
            continue;
        if (failure->isResettable())
            failure->setActive(false);
        else
            remain = true;
    }
    return remain ? FailuresRemain : FailuresReset;
}

void Machine::setCupPositionOk(bool ok)
{
    if (ok == m_cupPositionOk)
        return;
    m_cupPositionOk = ok;
    emit cupPositionOkChanged();
}

void Machine::setEspressoBrewerInitAvailable(bool available)
{
    if (available == m_espressoBrewerInitAvailable)
        return;
    m_espressoBrewerInitAvailable = available;
    emit espressoBrewerInitAvailableChanged(available);
}

void Machine::setEspressoBrewerInitPrompted(bool prompted)
{
    if (prompted == m_espressoBrewerInitPrompted)
        return;
    m_espressoBrewerInitPrompted = prompted;
    emit espressoBrewerInitPromptedChanged(prompted);
}

void Machine::onFailureActiveChanged(Failure* failure, bool active)
{
    if (active) {
        m_activeFailures.append(failure);
        if (failure->isLogged())
            recordFailure(*failure);
    } else
        m_activeFailures.removeOne(failure);
    emit activeFailuresListChanged();
    if (active && failure->isBlocking())
        stopErogation();
}

namespace {
const QString kFailuresHistory = QStringLiteral("machine/failuresHistory");
} // namespace

void Machine::recordFailure(const Failure& failure)
{
    const QDateTime time = gCoreEnv && gCoreEnv->clock() ? gCoreEnv->clock()->now() : QDateTime();
    const QString id = QStringLiteral("0x%1").arg(int(failure.id()), 4, 16, QLatin1Char('0'));
    History(kFailuresHistory).append(time, id + QLatin1Char(' ') + failure.name());
}

QStringList Machine::failuresHistoryExport() const
{
    QStringList lines;
    for (const History::Row& row : History(kFailuresHistory).rows())
        lines << History::line(row);
    return lines;
}

void Machine::setMachineDateTime(
    int year, int month, int day, int hour, int minute, int second, const QString&)
{
    // Kept as wall-clock fields: a local time that the host's zone skips must stay settable.
    const QDateTime time(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
    if (time.isValid() && gCoreEnv && gCoreEnv->clock())
        gCoreEnv->clock()->setSimulatedTime(time);
}
