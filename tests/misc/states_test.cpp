#include "bridge/misc/erogationstateconverter.h"
#include "bridge/misc/stateconverter.h"
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
        const std::pair<void (LeaStates::*)(), const char*> kSignals[] = {
            { &LeaStates::stateChanged, "stateChanged" },
            { &LeaStates::erogationStarted, "erogationStarted" },
            { &LeaStates::erogationFailed, "erogationFailed" },
            { &LeaStates::erogationDone, "erogationDone" },
            { &LeaStates::takeTheProduct, "takeTheProduct" },
            { &LeaStates::erogationTakeCup, "erogationTakeCup" },
            { &LeaStates::erogationDoneCupRemoved, "erogationDoneCupRemoved" },
            { &LeaStates::lastActiveTestChanged, "lastActiveTestChanged" },
            { &LeaStates::notEnoughCredit, "notEnoughCredit" },
            { &LeaStates::checkCreditNoCancel, "checkCreditNoCancel" },
            { &LeaStates::checkCreditWithCancel, "checkCreditWithCancel" },
        };
        for (const auto& [signal, name] : kSignals) {
            const QString text = QString::fromLatin1(name);
            connect(&states, signal, this, [this, text] { m_names << text; });
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

    const Status status = states->status();
    EXPECT_EQ(status.state, LeaStates::Ready);
    EXPECT_EQ(status.erogationState, LeaStates::NoErogation);
    EXPECT_TRUE(status.energySaving);
    EXPECT_FALSE(status.cleaning);
    EXPECT_EQ(status.statusByte, 0xABu);
    EXPECT_EQ(status.selectionPending, true);
    EXPECT_EQ(status.erogationLocked, true);
    for (const auto& flag :
        { status.promotionDispensing, status.snackDispensing, status.coffeeToGoDispensing, status.reserved })
        EXPECT_EQ(flag, false);
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

TEST(StatesConverters, EarlyCpuStatesFoldAndDispensingStatesStopAtFive)
{
    using C = bridge::misc::StateConverter;
    EXPECT_EQ(C::toExternalOpt(CpuStateMachine::Booting), LeaStates::Unknown);
    EXPECT_EQ(C::toInternalOpt(LeaStates::Unknown), CpuStateMachine::Undefined);
    for (int k = 1; k <= 13; ++k)
        EXPECT_EQ(
            C::toInternalOpt(static_cast<LeaStates::State>(k)), static_cast<CpuStateMachine::State>(k - 1));
    EXPECT_FALSE(C::toInternalOpt(static_cast<LeaStates::State>(14)));
    EXPECT_FALSE(C::toExternalOpt(static_cast<CpuStateMachine::State>(-3)));
    EXPECT_FALSE(C::toExternalOpt(static_cast<CpuStateMachine::State>(13)));

    using E = bridge::misc::ErogationStateConverter;
    EXPECT_EQ(E::toExternalOpt(ErogationManager::Testing), LeaStates::ErogationTesting);
    EXPECT_FALSE(E::toExternalOpt(static_cast<ErogationManager::ErogationStatus>(6)));
    EXPECT_FALSE(E::toInternalOpt(static_cast<LeaStates::ErogationState>(6)));
}

TEST_F(StatesTest, DispensingSequenceEmitsInOrderAndClearsAfterwards)
{
    cpu().setCurrentState(CpuStateMachine::Ready);
    auto states = makeStates();
    SignalRecorder recorder(*states);
    const struct
    {
        std::function<void()> event;
        QStringList emitted;
        LeaStates::State state;
        LeaStates::ErogationState erogationState;
    } steps[] = {
        { [&] { coreMachine().startErogation(); }, { "stateChanged", "erogationStarted" },
            LeaStates::Dispensing, LeaStates::Erogating },
        { [&] { coreMachine().requestCupRemoval(); }, { "stateChanged", "erogationTakeCup" },
            LeaStates::Ready, LeaStates::WaitingCupRemoval },
        { [&] { coreMachine().confirmCupRemoved(); }, { "stateChanged", "erogationDoneCupRemoved" },
            LeaStates::Dispensing, LeaStates::Erogating },
        { [&] { coreMachine().finishErogation(); }, { "erogationDone", "takeTheProduct" },
            LeaStates::Dispensing, LeaStates::Erogating },
    };
    for (const auto& step : steps) {
        step.event();
        EXPECT_EQ(recorder.take(), step.emitted);
        EXPECT_EQ(states->status().state, step.state);
        EXPECT_EQ(states->status().erogationState, step.erogationState);
    }
    ASSERT_TRUE(waitForClearing(*states));
    EXPECT_EQ(recorder.take(), QStringList { "stateChanged" });
    EXPECT_EQ(states->status().state, LeaStates::Ready);
    EXPECT_EQ(states->status().erogationState, LeaStates::NoErogation);
}

TEST_F(StatesTest, CupRemovedWithoutTakeCupStillRecomputes)
{
    auto states = makeStates();
    SignalRecorder recorder(*states);
    cpu().setCurrentState(CpuStateMachine::Selecting);
    recorder.take();
    coreMachine().setStatusWord(0x0107u);
    coreMachine().confirmCupRemoved();
    EXPECT_EQ(recorder.take(), QStringList { "erogationDoneCupRemoved" });
    EXPECT_EQ(states->status().statusByte, 0x07u);
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
        EXPECT_EQ(states->status().state, LeaStates::Failure);
        EXPECT_EQ(states->status().erogationState, LeaStates::ErogationFailed);

        coreMachine().finishErogation();
        EXPECT_EQ(recorder.take(), QStringList { "erogationDone" });
        EXPECT_EQ(states->status().state, LeaStates::Failure);
        ASSERT_TRUE(waitForClearing(*states));
        EXPECT_EQ(states->status().state, LeaStates::Ready);
        EXPECT_EQ(states->status().erogationState, LeaStates::NoErogation);
    }
}

TEST_F(StatesTest, TakeTheProductOnlyWhenSomeoneWaitsForIt)
{
    const struct
    {
        UserSelectionManager::State selectionState;
        bool takeTheProduct;
    } cases[] = {
        { UserSelectionManager::Idle, true },
        { UserSelectionManager::BatchDispensing, false },
        { UserSelectionManager::Dispensing, true },
        { UserSelectionManager::TestDispensing, false },
    };
    for (const auto& c : cases) {
        selection().setCurrentState(c.selectionState);
        auto states = makeStates();
        coreMachine().startErogation();
        QSignalSpy spy(states.get(), &LeaStates::takeTheProduct);
        coreMachine().finishErogation();
        EXPECT_EQ(spy.count(), c.takeTheProduct ? 1 : 0) << c.selectionState;
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
    const struct
    {
        Product::ProductType type;
        bool promotion, snack, coffeeToGo;
    } cases[] = {
        { Product::BaseProduct, false, false, false },
        { Product::Beverage, false, false, false },
        { Product::Snack, false, true, false },
        { Product::SpecialProduct, false, false, false },
        { Product::Promotion, true, false, false },
        { Product::CoffeeToGoProduct, false, false, true },
        { Product::UpsellingItem, false, false, false },
    };
    const auto flags = [](const Status& s) {
        return std::make_tuple(s.promotionDispensing, s.snackDispensing, s.coffeeToGoDispensing);
    };
    const auto none = std::make_tuple(
        nonstd::optional<bool>(false), nonstd::optional<bool>(false), nonstd::optional<bool>(false));
    for (const auto& c : cases) {
        Product product(7, c.type);
        selection().setSelectedProduct(&product);
        auto states = makeStates();
        EXPECT_EQ(flags(states->status()), none) << c.type;
        coreMachine().startErogation();
        EXPECT_EQ(flags(states->status()),
            std::make_tuple(nonstd::optional<bool>(c.promotion), nonstd::optional<bool>(c.snack),
                nonstd::optional<bool>(c.coffeeToGo)))
            << c.type;
        coreMachine().finishErogation();
        ASSERT_TRUE(waitForClearing(*states));
        EXPECT_EQ(flags(states->status()), none) << c.type;
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
    const std::string expected
        = std::string("Invalid internal enum value 13 (") + bridge::misc::StateConverter::converter() + ")";

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
    EXPECT_EQ(states->status().state, LeaStates::Ready);
    EXPECT_EQ(states->status().erogationState, LeaStates::Erogating);
    EXPECT_EQ(logEntries().size(), 2);
}

TEST_F(StatesTest, RelaysCoreEventsOneForOne)
{
    auto states = makeStates();
    SignalRecorder recorder(*states);
    const struct
    {
        std::function<void()> event;
        QString emitted;
    } cases[] = {
        { [] { gCoreEnv->machine()->erogationManager()->setLastActiveTest(4); }, "lastActiveTestChanged" },
        { [] { gCoreEnv->payment()->reportNotEnoughCredit(); }, "notEnoughCredit" },
        { [] { gCoreEnv->payment()->requestCreditCheck(Payment::NoCancel); }, "checkCreditNoCancel" },
        { [] { gCoreEnv->payment()->requestCreditCheck(Payment::WithCancel); }, "checkCreditWithCancel" },
    };
    for (const auto& c : cases) {
        c.event();
        EXPECT_EQ(recorder.take(), QStringList { c.emitted });
    }
}

TEST_F(StatesTest, ConfigurationTasksRunOrAreCanceled)
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
}

TEST_F(StatesTest, EmptyHandlersAreSafe)
{
    auto states = makeStates();
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
}

TEST_F(StatesTest, CancelHandlerEndsWithTheAccessor)
{
    auto states = makeStates();
    bool canceled = false;
    states->addConfigurationTask([] {}, [&] { canceled = true; });
    states.reset();
    tasks().cancelPendingTasks();
    EXPECT_FALSE(canceled);
}

} // namespace
