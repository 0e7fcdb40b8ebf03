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
#include "support/machinetest.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QMetaMethod>
#include <QSignalSpy>
#include <tuple>
#include <utility>

namespace {

using LeaStates = lea::misc::States;
using Status = LeaStates::Status;

// Every signal of one accessor, by name, in the order they were emitted.
class SignalRecorder : public QObject
{
public:
    explicit SignalRecorder(LeaStates& states)
    {
        using Signal = void (LeaStates::*)();
        for (const Signal signal : { &LeaStates::stateChanged, &LeaStates::erogationStarted,
                 &LeaStates::erogationFailed, &LeaStates::erogationDone, &LeaStates::takeTheProduct,
                 &LeaStates::erogationTakeCup, &LeaStates::erogationDoneCupRemoved,
                 &LeaStates::lastActiveTestChanged, &LeaStates::notEnoughCredit,
                 &LeaStates::checkCreditNoCancel, &LeaStates::checkCreditWithCancel }) {
            const QString name = QString::fromLatin1(QMetaMethod::fromSignal(signal).name());
            connect(&states, signal, this, [this, name] { m_names << name; });
        }
    }

    /// The names recorded since the last call.
    QStringList take() { return std::exchange(m_names, {}); }

private:
    QStringList m_names;
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
    ConfigurationManager& tasks() const { return *gCoreEnv->configurationManager(); }

    std::unique_ptr<bridge::misc::States> makeStates() const
    {
        return std::make_unique<bridge::misc::States>(nullptr);
    }

    /// Waits for the clearing that follows a dispensing.
    static bool waitForClearing(LeaStates& states)
    {
        QSignalSpy spy(&states, &LeaStates::stateChanged);
        return spy.wait(1000);
    }
};

TEST_F(StatesTest, ConstructionEmitsNothingButReadsTheMachine)
{
    cpu().setCurrentState(CpuStateMachine::Ready);
    coreMachine().setEnergyMode(EnergySavingSettings::DeepMode);
    coreMachine().setStatusWord(0xCAFE12ABu);
    coreMachine().erogationManager()->setLocked(true);
    selection().setSelectedQuantity(2);

    QObject parent;
    auto* states = new bridge::misc::States(&parent);
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

TEST_F(StatesTest, CpuStatesMapOntoInterfaceStates)
{
    auto states = makeStates();
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
}

TEST_F(StatesTest, DispensingSequenceEmitsInOrderAndClearsAfterwards)
{
    cpu().setCurrentState(CpuStateMachine::Ready);
    auto states = makeStates();
    SignalRecorder recorder(*states);
    const std::tuple<std::function<void()>, QStringList, LeaStates::State, LeaStates::ErogationState> steps[]
        = {
              { [&] { coreMachine().startErogation(); }, { "stateChanged", "erogationStarted" },
                  LeaStates::Dispensing, LeaStates::Erogating },
              { [&] { coreMachine().requestCupRemoval(); }, { "stateChanged", "erogationTakeCup" },
                  LeaStates::Ready, LeaStates::WaitingCupRemoval },
              { [&] { coreMachine().confirmCupRemoved(); }, { "stateChanged", "erogationDoneCupRemoved" },
                  LeaStates::Dispensing, LeaStates::Erogating },
              { [&] { coreMachine().finishErogation(); }, { "erogationDone", "takeTheProduct" },
                  LeaStates::Dispensing, LeaStates::Erogating },
          };
    for (const auto& [event, emitted, state, erogationState] : steps) {
        event();
        EXPECT_EQ(recorder.take(), emitted);
        EXPECT_EQ(phase(*states), std::make_pair(state, erogationState));
    }
    ASSERT_TRUE(waitForClearing(*states));
    EXPECT_EQ(recorder.take(), QStringList { "stateChanged" });
    EXPECT_EQ(phase(*states), std::make_pair(LeaStates::Ready, LeaStates::NoErogation));
}

TEST_F(StatesTest, FailureShowsUntilTheClearingAndWithholdsTheProduct)
{
    const std::function<void(Machine&)> failures[] = {
        [](Machine& m) { m.failErogation(); },
        [](Machine& m) { m.showErogationFailure(); },
    };
    cpu().setCurrentState(CpuStateMachine::Ready);
    for (const auto& fail : failures) {
        auto states = makeStates();
        SignalRecorder recorder(*states);
        fail(coreMachine());
        EXPECT_EQ(recorder.take(), (QStringList { "stateChanged", "erogationFailed" }));
        EXPECT_EQ(phase(*states), std::make_pair(LeaStates::Failure, LeaStates::ErogationFailed));

        coreMachine().finishErogation();
        EXPECT_EQ(recorder.take(), QStringList { "erogationDone" });
        EXPECT_EQ(states->status().state, LeaStates::Failure);
        ASSERT_TRUE(waitForClearing(*states));
        EXPECT_EQ(phase(*states), std::make_pair(LeaStates::Ready, LeaStates::NoErogation));
    }
}

TEST_F(StatesTest, TakeTheProductOnlyWhenSomeoneWaitsForIt)
{
    using U = UserSelectionManager;
    const std::pair<U::State, int> cases[]
        = { { U::Idle, 1 }, { U::BatchDispensing, 0 }, { U::Dispensing, 1 }, { U::TestDispensing, 0 } };
    for (const auto& [selectionState, takeTheProduct] : cases) {
        selection().setCurrentState(selectionState);
        auto states = makeStates();
        coreMachine().startErogation();
        QSignalSpy spy(states.get(), &LeaStates::takeTheProduct);
        coreMachine().finishErogation();
        EXPECT_EQ(spy.count(), takeTheProduct) << selectionState;
    }
}

TEST_F(StatesTest, CleaningAndRinsingForceTheCleaningState)
{
    const std::function<void(Machine&, bool)> indicators[] = {
        [](Machine& m, bool on) { m.setCleaning(on); },
        [](Machine& m, bool on) { m.setInactivityCleaning(on); },
        [](Machine& m, bool on) { m.setRinsing(on); },
    };
    cpu().setCurrentState(CpuStateMachine::Ready);
    auto states = makeStates();
    coreMachine().startErogation();
    for (const auto& indicator : indicators) {
        indicator(coreMachine(), true);
        cpu().setCurrentState(CpuStateMachine::Maintenance);
        EXPECT_EQ(states->status().state, LeaStates::Cleaning);
        EXPECT_TRUE(states->status().cleaning);

        indicator(coreMachine(), false);
        cpu().setCurrentState(CpuStateMachine::Ready);
        EXPECT_EQ(states->status().state, LeaStates::Dispensing);
        EXPECT_FALSE(states->status().cleaning);
    }
}

TEST_F(StatesTest, EnergySavingIsAnyModeButNoSaving)
{
    auto states = makeStates();
    for (int mode = 0; mode <= 6; ++mode) {
        coreMachine().setEnergyMode(static_cast<EnergySavingSettings::EnergyMode>(mode));
        coreMachine().erogationManager()->setErogationStatus(
            mode % 2 ? ErogationManager::Idle : ErogationManager::InProgress);
        EXPECT_EQ(states->status().energySaving, mode != 4) << mode;
    }
}

TEST_F(StatesTest, ProductTypeFlagsHoldOnlyWhileDispensing)
{
    // Promotion, snack, coffee to go.
    const auto flags = [](const Status& s) {
        return QString::number(*s.promotionDispensing) + QString::number(*s.snackDispensing)
            + QString::number(*s.coffeeToGoDispensing);
    };
    const std::pair<Product::ProductType, QString> cases[]
        = { { Product::BaseProduct, "000" }, { Product::Beverage, "000" }, { Product::Snack, "010" },
              { Product::SpecialProduct, "000" }, { Product::Promotion, "100" },
              { Product::CoffeeToGoProduct, "001" }, { Product::UpsellingItem, "000" } };
    const QString none = "000";
    for (const auto& [type, dispensing] : cases) {
        Product product(7, type);
        selection().setSelectedProduct(&product);
        auto states = makeStates();
        EXPECT_EQ(flags(states->status()), none) << type;
        coreMachine().startErogation();
        EXPECT_EQ(flags(states->status()), dispensing) << type;
        coreMachine().finishErogation();
        ASSERT_TRUE(waitForClearing(*states));
        EXPECT_EQ(flags(states->status()), none) << type;
    }
    // Without a selected product, nothing is being dispensed of any type.
    ASSERT_EQ(selection().selectedProduct(), nullptr);
    auto states = makeStates();
    coreMachine().startErogation();
    EXPECT_EQ(flags(states->status()), none);
}

TEST_F(StatesTest, InstancesAgreeOnTheStatus)
{
    Product product(3, Product::Promotion);
    auto first = makeStates();
    const std::function<void()> events[] = {
        [&] { selection().setSelectedProduct(&product); },
        [&] { coreMachine().startErogation(); },
        [&] { coreMachine().setRinsing(true); },
        [&] { cpu().setCurrentState(CpuStateMachine::HeatingUp); },
        [&] { coreMachine().requestCupRemoval(); },
        [&] { coreMachine().setRinsing(false); },
        [&] { coreMachine().failErogation(); },
        [&] { coreMachine().finishErogation(); },
    };
    auto second = makeStates();
    for (const auto& event : events) {
        event();
        EXPECT_EQ(fields(first->status()), fields(second->status()));
    }
    QSignalSpy secondCleared(second.get(), &LeaStates::stateChanged);
    ASSERT_TRUE(waitForClearing(*first));
    ASSERT_TRUE(secondCleared.count() > 0 || secondCleared.wait(1000));
    EXPECT_EQ(fields(first->status()), fields(second->status()));
}

TEST_F(StatesTest, UnconvertibleCpuStateIsLoggedAndEventsStillFlow)
{
    cpu().setCurrentState(CpuStateMachine::Ready);
    auto states = makeStates();
    SignalRecorder recorder(*states);
    const std::string expected = std::string("Invalid internal enum value 13 (")
        + bridge::misc::StateEnumConverter::converter() + ")";

    EXPECT_NO_THROW(cpu().setCurrentState(static_cast<CpuStateMachine::State>(13)));
    EXPECT_EQ(recorder.take(), QStringList());
    EXPECT_EQ(states->status().state, LeaStates::Ready);
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);
    EXPECT_EQ(logEntries()[0].items,
        (QStringList { "bool bridge::misc::States::recomputeStatus()", QString::fromStdString(expected) }));

    // The dispensing state still moves on; the machine state keeps its last value.
    EXPECT_NO_THROW(coreMachine().startErogation());
    EXPECT_EQ(recorder.take(), (QStringList { "stateChanged", "erogationStarted" }));
    EXPECT_EQ(phase(*states), std::make_pair(LeaStates::Ready, LeaStates::Erogating));
    EXPECT_EQ(logEntries().size(), 2);
}

TEST_F(StatesTest, RelaysCoreEventsOneForOne)
{
    auto states = makeStates();
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
    auto states = makeStates();
    QStringList calls;
    states->addConfigurationTask([&] { calls << "first"; }, [&] { calls << "first canceled"; });
    states->addConfigurationTask([&] { calls << "second"; }, [&] { calls << "second canceled"; });
    EXPECT_EQ(tasks().pendingTaskCount(), 2);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_TRUE(tasks().runNextTask());
    tasks().cancelPendingTasks();
    EXPECT_EQ(calls, (QStringList { "first", "second canceled" }));
    EXPECT_EQ(tasks().pendingTaskCount(), 0);

    // Empty handlers are safe; a cancel handler ends with the accessor that added it.
    bool ran = false;
    states->addConfigurationTask([&] { ran = true; }, {});
    states->addConfigurationTask([&] { ran = true; }, {});
    ASSERT_EQ(tasks().pendingTaskCount(), 2);
    EXPECT_NO_THROW(tasks().cancelPendingTasks());
    EXPECT_FALSE(ran);

    states->addConfigurationTask({}, [&] { ran = true; });
    EXPECT_EQ(tasks().pendingTaskCount(), 0);
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);

    states->addConfigurationTask([] {}, [&] { ran = true; });
    states.reset();
    tasks().cancelPendingTasks();
    EXPECT_FALSE(ran);
}

} // namespace
