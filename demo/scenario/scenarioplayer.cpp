#include "demo/scenario/scenarioplayer.h"

#include "bridge/bridge.h"
#include "bridge/maintenance/failureidenumconverter.h"
#include "core/coreenvironment.h"
#include "core/coresimulator.h"
#include "core/hardware/inputscheck.h"
#include "core/hardwareenvironment.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/failure.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/payment/payment.h"
#include "core/selection/userselectionmanager.h"
#include "demo/scenario/accessor.h"
#include "demo/scenario/catalogueseeder.h"
#include "demo/scenario/signalrecorder.h"
#include "lea/interface/selection.h"
#include "lea/maintenance/failures.h"
#include "lea/misc/states.h"
#include "lea/payment/payments.h"
#include "lea/products/customizations.h"
#include "lea/statistics/delivery.h"

#include <exception>
#include <QMetaEnum>
#include <utility>

namespace scenario {

using Expectation = Scenario::Expectation;
using Step = Scenario::Step;

namespace {

template <class Enum> QString keyOf(Enum value)
{
    const char* key = QMetaEnum::fromType<Enum>().valueToKey(int(value));
    return key ? QString::fromLatin1(key) : QString::number(int(value));
}

// Scenarios start at a fixed moment, so that what they print never depends on the day.
const QDateTime kStartTime(QDate(2026, 1, 5), QTime(8, 0));

bool matches(const Expectation& expectation, const QString& line)
{
    const QString prefix = expectation.source + QStringLiteral("::") + expectation.signal + QLatin1Char('(');
    if (!line.startsWith(prefix))
        return false;
    if (!expectation.matchArguments)
        return true;
    return line.mid(prefix.size(), line.size() - prefix.size() - 1)
        == expectation.arguments.join(QStringLiteral(", "));
}

} // namespace

ScenarioPlayer::ScenarioPlayer(
    Scenario scenario, CoreSimulator& machine, bridge::Bridge& bridge, QObject* parent)
    : QObject(parent)
    , m_scenario(std::move(scenario))
    , m_machine(machine)
    , m_bridge(bridge)
    , m_recorder(new SignalRecorder(this))
{
    m_timeout.setSingleShot(true);
    m_paceTimer.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        failStep(QStringLiteral("not seen within %1 ms: %2")
                     .arg(m_stepTimeout)
                     .arg(unmetExpectations().join(QStringLiteral(", "))));
    });
    connect(&m_paceTimer, &QTimer::timeout, this, [this] { runStep(m_index + 1); });
    connect(m_recorder, &SignalRecorder::recorded, this, [this](const QString& line) {
        if (!m_running)
            return;
        emit signalSeen(m_index, line);
        // Once a step passed, what follows until the next one starts is only shown.
        if (!m_performing && !m_waiting)
            return;
        for (const Expectation& forbidden : m_scenario.timeline.at(m_index).forbidden) {
            if (matches(forbidden, line)) {
                failStep(QStringLiteral("%1 must not be seen").arg(forbidden.text()));
                return;
            }
        }
        checkExpectations();
    });
}

ScenarioPlayer::~ScenarioPlayer() = default;

QString ScenarioPlayer::status() const
{
    if (!m_payments)
        return {};
    const lea::misc::States::Status state = m_states->status();
    QStringList failures;
    try {
        for (const auto& failure : m_failures->activeFailures()) {
            failures << QStringLiteral("Failure%1").arg(int(failure.first))
                    + (failure.second.name.isEmpty() ? QString()
                                                     : QStringLiteral(" \"%1\"").arg(failure.second.name));
        }
    } catch (const std::exception& e) {
        // A failure the interface has no number for; the status is shown from slots, so it says so instead.
        failures = QStringList { QString::fromLocal8Bit(e.what()) };
    }
    return QStringLiteral("credit %1 | state %2 | dispensing %3 | deliveries %4 | failures %5")
        .arg(m_payments->credit())
        .arg(keyOf(state.state), keyOf(state.erogationState))
        .arg(m_delivery->totalDeliveryCount())
        .arg(failures.isEmpty() ? QStringLiteral("none") : failures.join(QStringLiteral(", ")));
}

void ScenarioPlayer::start()
{
    if (m_started)
        return;
    m_started = true;
    m_running = true;

    CoreEnvironment& core = m_machine.core();
    if (!core.clock()->isSimulated())
        core.clock()->setSimulatedTime(kStartTime);
    core.userSelectionManager()->setDispensingOnMachineClock(true);
    QString error;
    if (!CatalogueSeeder(m_machine, m_bridge).seed(m_scenario.catalogue, &error)) {
        m_failure = QStringLiteral("%1: catalogue: %2").arg(m_scenario.fileName, error);
        finish(false);
        return;
    }

    // The machine is ready for customers when the timeline starts.
    core.machine()->cpuStateMachine()->setCurrentState(CpuStateMachine::Ready);
    m_selection = createAccessor<lea::interface::Selection>(m_bridge.interfaceFactory());
    m_payments = createAccessor<lea::payment::Payments>(m_bridge.paymentFactory());
    m_states = createAccessor<lea::misc::States>(m_bridge.miscFactory());
    m_delivery = createAccessor<lea::statistics::Delivery>(m_bridge.statisticsFactory());
    m_failures = createAccessor<lea::maintenance::Failures>(m_bridge.maintenanceFactory());
    m_customizations = createAccessor<lea::products::Customizations>(m_bridge.productsFactory());
    for (QObject* source :
        std::initializer_list<QObject*> { m_selection.get(), m_payments.get(), m_states.get(),
            m_delivery.get(), m_failures.get(), m_customizations.get(), m_machine.hardware().inputsCheck() })
        m_recorder->follow(source);

    m_index = -1;
    m_paceTimer.start(0);
}

void ScenarioPlayer::runStep(int index)
{
    if (!m_running)
        return;
    if (index >= m_scenario.timeline.size()) {
        finish(true);
        return;
    }
    m_index = index;
    m_stepStart = m_recorder->lines().size();
    const Step& current = m_scenario.timeline.at(index);
    emit step(index, current.description);
    QString problem;
    m_performing = true;
    try {
        problem = perform(current);
    } catch (const std::exception& e) {
        problem = QString::fromLocal8Bit(e.what());
    }
    m_performing = false;
    if (!m_running)
        return;
    if (!problem.isEmpty()) {
        failStep(problem);
        return;
    }
    m_waiting = true;
    checkExpectations();
    if (m_waiting)
        m_timeout.start(m_stepTimeout);
}

QString ScenarioPlayer::perform(const Step& step)
{
    CoreEnvironment& core = m_machine.core();
    Machine& machine = *core.machine();
    switch (step.event) {
    case Step::InsertCoin:
        core.payment()->addCredit(step.coinValue);
        break;
    case Step::SelectQuickCode: {
        const lea::QuickCodeId code(unsigned(step.quickCode));
        const auto result = m_selection->quickCodeSelectionAvailable(code);
        emit note(m_index, QStringLiteral("quick code %1: %2").arg(step.quickCode).arg(keyOf(result)));
        if (result == lea::interface::Selection::Success) {
            m_selection->setSelectionFromQuickCode(code);
            m_selection->setSelectionCustomizationsFromQuickCode(code);
        }
        break;
    }
    case Step::Customize: {
        for (auto customization : m_selection->selectionCustomizations()) {
            if (customization.name != step.customization)
                continue;
            if (step.choice >= customization.stepCount)
                return QStringLiteral("%1 has %2 steps, not %3")
                    .arg(step.customization)
                    .arg(customization.stepCount)
                    .arg(step.choice + 1);
            customization.currentChoiceIndex = uint8_t(step.choice);
            m_customizations->setCurrentCustomizationStep(customization);
            return {};
        }
        return QStringLiteral("the selection has no customization \"%1\"").arg(step.customization);
    }
    case Step::Buy:
        m_selection->startDelivery();
        break;
    case Step::RaiseFailure:
    case Step::ClearFailure: {
        const auto id = bridge::maintenance::FailureIdEnumConverter::toInternalOrThrow(
            lea::maintenance::FailureId(step.failure));
        Failure* failure = machine.failure(id);
        if (!failure)
            return QStringLiteral("this machine has no failure Failure%1").arg(step.failure);
        if (step.event == Step::RaiseFailure) {
            if (!step.failureName.isEmpty())
                failure->setName(step.failureName);
            failure->setBlocking(step.blocking);
        }
        machine.setFailureActive(id, step.event == Step::RaiseFailure);
        break;
    }
    case Step::OpenDoor:
        machine.simulateDoorOpened();
        break;
    case Step::CloseDoor:
        machine.simulateDoorClosed();
        break;
    case Step::SetTemperature:
        m_machine.hardware().inputsCheck()->setTemperature_dC(step.boiler, step.temperature_dC);
        break;
    case Step::StartCleaning:
        machine.startCleaning();
        break;
    case Step::FinishCleaning:
        machine.finishCleaning();
        break;
    case Step::Wait:
        core.clock()->advanceMilliseconds(step.milliseconds);
        break;
    }
    return {};
}

QStringList ScenarioPlayer::unmetExpectations() const
{
    const QStringList lines = m_recorder->lines().mid(m_stepStart);
    QVector<bool> used(lines.size(), false);
    QStringList unmet;
    for (const Expectation& expectation : m_scenario.timeline.at(m_index).expectations) {
        bool found = false;
        for (int i = 0; i < lines.size() && !found; ++i) {
            if (!used[i] && matches(expectation, lines.at(i)))
                used[i] = found = true;
        }
        if (!found)
            unmet << expectation.text();
    }
    const Step& step = m_scenario.timeline.at(m_index);
    const lea::misc::States::State state = m_states->status().state;
    if (step.state && *step.state != int(state)) {
        unmet << QStringLiteral("state %1 (the states accessor reports %2)")
                     .arg(keyOf(lea::misc::States::State(*step.state)), keyOf(state));
    }
    if (step.credit && *step.credit != m_payments->credit())
        unmet << QStringLiteral("credit %1 (the payments accessor reports %2)")
                     .arg(*step.credit)
                     .arg(m_payments->credit());
    return unmet;
}

void ScenarioPlayer::checkExpectations()
{
    if (m_performing || !m_waiting || !unmetExpectations().isEmpty())
        return;
    m_waiting = false;
    m_timeout.stop();
    emit stepFinished(m_index, true, {});
    if (m_running)
        m_paceTimer.start(m_pace);
}

void ScenarioPlayer::failStep(const QString& message)
{
    if (!m_running)
        return;
    m_waiting = false;
    m_timeout.stop();
    m_failure = where(m_index) + QStringLiteral(": ") + message;
    emit stepFinished(m_index, false, m_failure);
    finish(false);
}

void ScenarioPlayer::finish(bool passed)
{
    m_running = false;
    m_paceTimer.stop();
    emit finished(passed);
}

QString ScenarioPlayer::where(int index) const
{
    const Step& step = m_scenario.timeline.at(index);
    return QStringLiteral("%1:%2: timeline[%3]").arg(m_scenario.fileName).arg(step.line).arg(index);
}

} // namespace scenario
