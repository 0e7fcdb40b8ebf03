#include "bridge/misc/stateenumconverter.h"
#include "bridge/misc/states.h"
#include "core/catalogue/product.h"
#include "core/configuration/configurationmanager.h"
#include "core/coreenvironment.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "core/payment/payment.h"
#include "core/selection/userselectionmanager.h"
#include "support/guardtest.h"
#include "support/signalnames.h"

#include <functional>
#include <memory>
#include <QSignalSpy>
#include <tuple>
#include <utility>

namespace {

using LeaStates = lea::misc::States;
using Status = LeaStates::Status;
using States = bridge::misc::States;

// Every signal of one accessor, by name, in the order they were emitted.
struct SignalRecorder : SignalNames
{
    explicit SignalRecorder(LeaStates& states)
        : SignalNames(states,
            { &LeaStates::stateChanged, &LeaStates::erogationStarted, &LeaStates::erogationFailed,
                &LeaStates::erogationDone, &LeaStates::takeTheProduct, &LeaStates::erogationTakeCup,
                &LeaStates::erogationDoneCupRemoved, &LeaStates::lastActiveTestChanged,
                &LeaStates::notEnoughCredit, &LeaStates::checkCreditNoCancel,
                &LeaStates::checkCreditWithCancel })
    {
    }
};

auto fields(const Status& s)
{
    return std::make_tuple(s.state, s.erogationState, s.energySaving, s.cleaning, s.statusByte,
        s.promotionDispensing, s.selectionPending, s.snackDispensing, s.coffeeToGoDispensing, s.reserved,
        s.erogationLocked);
}

// The machine state and the dispensing state.
std::pair<LeaStates::State, LeaStates::ErogationState> phase(const LeaStates& states)
{
    return { states.status().state, states.status().erogationState };
}

class StatesTest : public MachineTest
{
protected:
    Machine& coreMachine() const { return *gCoreEnv->machine(); }
    CpuStateMachine& cpu() const { return *coreMachine().cpuStateMachine(); }
    UserSelectionManager& selection() const { return *gCoreEnv->userSelectionManager(); }
};

TEST_F(StatesTest, ConstructionEmitsNothingButReadsTheMachine)
{
    cpu().setCurrentState(CpuStateMachine::Ready);
    coreMachine().setEnergyMode(EnergySavingSettings::DeepMode);
    coreMachine().setStatusWord(0xCAFE12ABu);
    coreMachine().erogationManager()->setLocked(true);
    selection().setSelectedQuantity(2);

    QObject parent;
    auto* states = new States(&parent);
    SignalRecorder recorder(*states);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.take(), QStringList());

    // state, dispensing, energy saving, cleaning, status byte, promotion, selection pending, snack,
    // coffee to go, reserved, locked
    EXPECT_EQ(fields(states->status()),
        std::make_tuple(LeaStates::Ready, LeaStates::NoErogation, true, false, quint8(0xAB), false, true,
            false, false, false, true));
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(StatesTest, CpuStatesMapOntoInterfaceStatesAndAnUnconvertibleOneIsLogged)
{
    auto states = std::make_unique<States>(nullptr);
    SignalRecorder recorder(*states);
    LeaStates::State previous = states->status().state;
    for (int core = -2; core <= 12; ++core) {
        const auto expected = static_cast<LeaStates::State>(core < 0 ? 0 : core + 1);
        cpu().setCurrentState(static_cast<CpuStateMachine::State>(core));
        EXPECT_EQ(states->status().state, expected) << core;
        EXPECT_EQ(recorder.take(), expected == previous ? QStringList() : QStringList { "stateChanged" })
            << core;
        previous = expected;
    }
    // 13 has no interface state.
    EXPECT_NO_THROW(cpu().setCurrentState(static_cast<CpuStateMachine::State>(13)));
    EXPECT_EQ(recorder.take(), QStringList());
    EXPECT_EQ(states->status().state, previous);
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);
    EXPECT_EQ(logEntries()[0].items,
        (QStringList { "bool bridge::misc::States::recomputeStatus()",
            QStringLiteral("Invalid internal enum value 13 (%1)")
                .arg(QLatin1String(bridge::misc::StateEnumConverter::converter())) }));
    // The dispensing state still moves on; the machine state keeps its last value.
    EXPECT_NO_THROW(coreMachine().startErogation());
    EXPECT_EQ(recorder.take(), (QStringList { "stateChanged", "erogationStarted" }));
    EXPECT_EQ(phase(*states), std::make_pair(previous, LeaStates::Erogating));
    EXPECT_EQ(logEntries().size(), 2);
}

// A machine event, the signals it makes the accessor emit, and the phase after it.
struct Step
{
    void (Machine::*event)();
    QStringList emitted;
    LeaStates::State state;
    LeaStates::ErogationState erogationState;
};

const Step kStarted { &Machine::startErogation, { "stateChanged", "erogationStarted" }, LeaStates::Dispensing,
    LeaStates::Erogating };
const Step kFailed { &Machine::failErogation, { "stateChanged", "erogationFailed" }, LeaStates::Failure,
    LeaStates::ErogationFailed };
// Nobody waits for the product during a batch or a test dispensing, nor after a failure.
const Step kDone { &Machine::finishErogation, { "erogationDone" }, LeaStates::Dispensing,
    LeaStates::Erogating };
const Step kDoneAndTaken { &Machine::finishErogation, { "erogationDone", "takeTheProduct" },
    LeaStates::Dispensing, LeaStates::Erogating };
const Step kDoneFailed { &Machine::finishErogation, { "erogationDone" }, LeaStates::Failure,
    LeaStates::ErogationFailed };

struct Sequence
{
    const char* name;
    UserSelectionManager::State selection;
    Product::ProductType product;
    /// The promotion, snack and coffee-to-go flags while the product is being dispensed.
    const char* flags;
    std::vector<Step> steps;
    friend void PrintTo(const Sequence& sequence, std::ostream* os) { *os << sequence.name; }
};

const Sequence kSequences[] = {
    { "WithCupRemoval", UserSelectionManager::Idle, Product::Snack, "010",
        { kStarted,
            { &Machine::requestCupRemoval, { "stateChanged", "erogationTakeCup" }, LeaStates::Ready,
                LeaStates::WaitingCupRemoval },
            { &Machine::confirmCupRemoved, { "stateChanged", "erogationDoneCupRemoved" },
                LeaStates::Dispensing, LeaStates::Erogating },
            kDoneAndTaken } },
    { "CustomerWaits", UserSelectionManager::Dispensing, Product::Promotion, "100",
        { kStarted, kDoneAndTaken } },
    { "Batch", UserSelectionManager::BatchDispensing, Product::CoffeeToGoProduct, "001",
        { kStarted, kDone } },
    { "Test", UserSelectionManager::TestDispensing, Product::BaseProduct, "000", { kStarted, kDone } },
    { "Beverage", UserSelectionManager::Idle, Product::Beverage, "000", { kStarted, kDoneAndTaken } },
    { "Special", UserSelectionManager::Idle, Product::SpecialProduct, "000", { kStarted, kDoneAndTaken } },
    { "Upselling", UserSelectionManager::Idle, Product::UpsellingItem, "000", { kStarted, kDoneAndTaken } },
    { "Failed", UserSelectionManager::Idle, Product::Promotion, "000", { kFailed, kDoneFailed } },
    { "FailureShown", UserSelectionManager::Idle, Product::Snack, "000",
        { { &Machine::showErogationFailure, kFailed.emitted, kFailed.state, kFailed.erogationState },
            kDoneFailed } },
};

class StatesSequence : public StatesTest, public ::testing::WithParamInterface<Sequence>
{
};

TEST_P(StatesSequence, EmitsInOrderClearsAfterwardsAndEveryInstanceAgrees)
{
    // Promotion, snack, coffee to go.
    const auto flags = [](const Status& s) {
        return QString::number(*s.promotionDispensing) + QString::number(*s.snackDispensing)
            + QString::number(*s.coffeeToGoDispensing);
    };
    cpu().setCurrentState(CpuStateMachine::Ready);
    selection().setCurrentState(GetParam().selection);
    Product product(3, GetParam().product);
    selection().setSelectedProduct(&product);
    auto states = std::make_unique<States>(nullptr);
    auto other = std::make_unique<States>(nullptr);
    SignalRecorder recorder(*states);
    bool started = false;
    for (const Step& step : GetParam().steps) {
        (coreMachine().*step.event)();
        started = started || step.event == &Machine::startErogation;
        EXPECT_EQ(recorder.take(), step.emitted);
        EXPECT_EQ(phase(*states), std::make_pair(step.state, step.erogationState));
        EXPECT_EQ(flags(states->status()), started ? GetParam().flags : "000");
        EXPECT_EQ(fields(other->status()), fields(states->status()));
    }
    QSignalSpy cleared(states.get(), &LeaStates::stateChanged);
    QSignalSpy otherCleared(other.get(), &LeaStates::stateChanged);
    ASSERT_TRUE(cleared.wait(1000));
    ASSERT_TRUE(otherCleared.count() > 0 || otherCleared.wait(1000));
    EXPECT_EQ(recorder.take(), QStringList { "stateChanged" });
    EXPECT_EQ(phase(*states), std::make_pair(LeaStates::Ready, LeaStates::NoErogation));
    EXPECT_EQ(flags(states->status()), "000");
    EXPECT_EQ(fields(other->status()), fields(states->status()));
}

INSTANTIATE_TEST_SUITE_P(Dispensings, StatesSequence, ::testing::ValuesIn(kSequences),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatesTest, CleaningForcesTheCleaningStateAndEnergySavingIsAnyModeButNoSaving)
{
    cpu().setCurrentState(CpuStateMachine::Ready);
    auto states = std::make_unique<States>(nullptr);
    coreMachine().startErogation();
    for (void (Machine::*indicator)(bool) :
        { &Machine::setCleaning, &Machine::setInactivityCleaning, &Machine::setRinsing }) {
        (coreMachine().*indicator)(true);
        cpu().setCurrentState(CpuStateMachine::Maintenance);
        EXPECT_EQ(states->status().state, LeaStates::Cleaning);
        EXPECT_TRUE(states->status().cleaning);

        (coreMachine().*indicator)(false);
        cpu().setCurrentState(CpuStateMachine::Ready);
        EXPECT_EQ(states->status().state, LeaStates::Dispensing);
        EXPECT_FALSE(states->status().cleaning);
    }
    for (int mode = 0; mode <= 6; ++mode) {
        coreMachine().setEnergyMode(static_cast<EnergySavingSettings::EnergyMode>(mode));
        coreMachine().erogationManager()->setErogationStatus(
            mode % 2 ? ErogationManager::Idle : ErogationManager::InProgress);
        EXPECT_EQ(states->status().energySaving, mode != 4) << mode;
    }
}

TEST_F(StatesTest, RelaysCoreEventsOneForOne)
{
    auto states = std::make_unique<States>(nullptr);
    SignalRecorder recorder(*states);
    const std::pair<std::function<void()>, QString> cases[] = {
        { [] { gCoreEnv->machine()->erogationManager()->setLastActiveTest(4); }, "lastActiveTestChanged" },
        { [] { gCoreEnv->payment()->reportNotEnoughCredit(); }, "notEnoughCredit" },
        { [] { gCoreEnv->payment()->requestCreditCheck(Payment::NoCancel); }, "checkCreditNoCancel" },
        { [] { gCoreEnv->payment()->requestCreditCheck(Payment::WithCancel); }, "checkCreditWithCancel" },
        { [this] {
             coreMachine().setStatusWord(0x0107u);
             coreMachine().confirmCupRemoved(); // without a take-cup request before
         },
            "erogationDoneCupRemoved" },
    };
    for (const auto& [event, emitted] : cases) {
        event();
        EXPECT_EQ(recorder.take(), QStringList { emitted });
    }
    EXPECT_EQ(states->status().statusByte, 0x07u);
}

TEST_F(StatesTest, ConfigurationTasksRunOrAreCanceledAndEmptyHandlersAreSafe)
{
    ConfigurationManager& tasks = *gCoreEnv->configurationManager();
    auto states = std::make_unique<States>(nullptr);
    QStringList calls;
    states->addConfigurationTask([&] { calls << "first"; }, [&] { calls << "first canceled"; });
    states->addConfigurationTask([&] { calls << "second"; }, [&] { calls << "second canceled"; });
    EXPECT_EQ(tasks.pendingTaskCount(), 2);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(tasks.runNextTask());
    tasks.cancelPendingTasks();
    EXPECT_EQ(calls, (QStringList { "first", "second canceled" }));
    EXPECT_EQ(tasks.pendingTaskCount(), 0);

    // Empty handlers are safe; a cancel handler ends with the accessor that added it.
    bool ran = false;
    states->addConfigurationTask([&] { ran = true; }, {});
    ASSERT_EQ(tasks.pendingTaskCount(), 1);
    EXPECT_NO_THROW(tasks.cancelPendingTasks());
    EXPECT_FALSE(ran);

    states->addConfigurationTask({}, [&] { ran = true; });
    EXPECT_EQ(tasks.pendingTaskCount(), 0);
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);

    states->addConfigurationTask([] {}, [&] { ran = true; });
    states.reset();
    tasks.cancelPendingTasks();
    EXPECT_FALSE(ran);
}

// Neither operation needs the configuration.
const GuardCase<States> kGuarded[] = {
    { "status", [](States& s) { return s.status().erogationState == LeaStates::NoErogation; }, false },
    { "addConfigurationTask",
        [](States& s) {
            s.addConfigurationTask([] {}, [] {});
            return gCoreEnv->configurationManager()->pendingTaskCount() == 1;
        },
        false },
};
GUARD_TEST(StatesGuard, LeaStates, States, kGuarded);

} // namespace
