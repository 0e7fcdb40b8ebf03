#include "bridge/misc/states.h"

#include "bridge/misc/erogationstateenumconverter.h"
#include "bridge/misc/stateenumconverter.h"
#include "core/catalogue/product.h"
#include "core/configuration/configurationmanager.h"
#include "core/configuration/configurationtask.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/machine.h"
#include "core/payment/payment.h"
#include "core/selection/userselectionmanager.h"

#include <exception>
#include <QTimer>

namespace bridge {
namespace misc {

namespace {
// How long after a dispensing its flags are kept.
constexpr int kClearingDelayMs = 1;
} // namespace

States::States(QObject* parent)
    : lea::misc::States(parent)
{
    recomputeStatus();
    connectToCore();
}

States::~States() = default;

lea::misc::States::Status States::status() const
{
    Status status;
    status.state = m_state;
    status.erogationState = ErogationStateEnumConverter::toExternalOrThrow(m_erogationState);
    status.energySaving = m_energySaving;
    status.cleaning = m_cleaning;
    status.statusByte = m_statusByte;
    status.promotionDispensing = m_promotionDispensing;
    status.selectionPending = m_selectionPending;
    status.snackDispensing = m_snackDispensing;
    status.coffeeToGoDispensing = m_coffeeToGoDispensing;
    status.reserved = m_reserved;
    status.erogationLocked = m_erogationLocked;
    return status;
}

void States::addConfigurationTask(std::function<void()>&& task, std::function<void()>&& cancelHandler)
{
    // The core would call an empty task when its turn comes.
    if (!task) {
        LogFormatter(LogLevel::Warning).log(Log::Configuration) << Q_FUNC_INFO << "Empty task not queued.";
        return;
    }
    ConfigurationTask* queued = gCoreEnv->configurationManager()->enqueueTask(std::move(task));
    if (cancelHandler) {
        connect(
            queued, &ConfigurationTask::canceled, this, [handler = std::move(cancelHandler)] { handler(); });
    }
}

void States::connectToCore()
{
    Machine* machine = gCoreEnv->machine();
    ErogationManager* erogationManager = machine->erogationManager();
    connect(machine->cpuStateMachine(), &StateMachine::stateEnter, this, &States::refresh);
    connect(erogationManager, &ErogationManager::erogationStateChanged, this, &States::refresh);
    connect(erogationManager, &ErogationManager::lastActiveTestChanged, this, &States::lastActiveTestChanged);

    connect(machine, &Machine::erogationStarted, this, &States::onErogationStarted);
    connect(machine, &Machine::erogationFailed, this, &States::onErogationFailed);
    connect(machine, &Machine::showErogationFailed, this, &States::onErogationFailed);
    connect(machine, &Machine::erogationDone, this, &States::onErogationDone);
    connect(machine, &Machine::erogationTakeCup, this, &States::onErogationTakeCup);
    connect(machine, &Machine::erogationDoneCupRemoved, this, &States::onErogationDoneCupRemoved);

    Payment* payment = gCoreEnv->payment();
    connect(payment, &Payment::notEnoughCredit, this, &States::notEnoughCredit);
    connect(payment, &Payment::checkCreditNoCancel, this, &States::checkCreditNoCancel);
    connect(payment, &Payment::checkCreditWithCancel, this, &States::checkCreditWithCancel);
}

void States::refresh()
{
    if (recomputeStatus())
        emit stateChanged();
}

bool States::recomputeStatus()
{
    const UserSelectionManager& selection = *gCoreEnv->userSelectionManager();
    m_selectionPending = selection.selectedQuantity() != 0;
    m_erogationLocked = gCoreEnv->machine()->erogationManager()->isLocked();

    const Product* product = selection.selectedProduct();
    const auto dispensing
        = [&](Product::ProductType type) { return product && m_started && product->productType() == type; };
    m_promotionDispensing = dispensing(Product::Promotion);
    m_snackDispensing = dispensing(Product::Snack);
    m_coffeeToGoDispensing = dispensing(Product::CoffeeToGoProduct);

    ErogationManager::ErogationStatus erogationState
        = m_started ? ErogationManager::InProgress : ErogationManager::Idle;
    if (m_takeCup)
        erogationState = ErogationManager::TakeCup;
    if (m_failed)
        erogationState = ErogationManager::Failed;
    const bool erogationStateChanged = erogationState != m_erogationState;
    m_erogationState = erogationState;

    bool machineStateChanged = false;
    try {
        machineStateChanged = updateMachineState();
    } catch (const std::exception& e) {
        // Runs inside the core's signal emission: report, and keep the previous state.
        LogFormatter(LogLevel::Warning).log(Log::Machine) << Q_FUNC_INFO << e.what();
    }
    return erogationStateChanged || machineStateChanged;
}

bool States::updateMachineState()
{
    const Machine& machine = *gCoreEnv->machine();
    State state = StateEnumConverter::toExternalOrThrow(machine.cpuStateMachine()->currentState());
    if (m_started && !m_takeCup)
        state = Dispensing;
    else if (m_failed)
        state = Failure;

    m_energySaving = machine.energyMode() != EnergySavingSettings::NoSaving;
    m_cleaning = machine.isCleaning() || machine.isInactivityCleaning() || machine.isRinsing();
    if (m_cleaning)
        state = Cleaning;
    m_statusByte = static_cast<quint8>(machine.statusWord() & 0xFFu);

    if (state == m_state)
        return false;
    m_state = state;
    return true;
}

void States::onErogationStarted()
{
    m_started = true;
    refresh();
    emit erogationStarted();
}

void States::onErogationFailed()
{
    m_failed = true;
    refresh();
    emit erogationFailed();
}

void States::onErogationTakeCup()
{
    m_takeCup = true;
    refresh();
    emit erogationTakeCup();
}

void States::onErogationDoneCupRemoved()
{
    m_takeCup = false;
    refresh();
    emit erogationDoneCupRemoved();
}

void States::onErogationDone()
{
    refresh();
    emit erogationDone();
    // Nobody waits at the machine while more cups of an order follow or during a test dispensing.
    const UserSelectionManager::State selectionState = gCoreEnv->userSelectionManager()->currentState();
    const bool nobodyWaits = selectionState == UserSelectionManager::BatchDispensing
        || selectionState == UserSelectionManager::TestDispensing;
    if (!nobodyWaits && !m_failed)
        emit takeTheProduct();
    QTimer::singleShot(kClearingDelayMs, Qt::PreciseTimer, this, [this] {
        m_started = false;
        m_failed = false;
        m_takeCup = false;
        refresh();
    });
}

} // namespace misc
} // namespace bridge
