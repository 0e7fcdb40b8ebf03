// A whole sale on the simulator through the accessors the user interface uses:
// two coins in, a selection by id, the purchase, the dispensing with the step
// delays at zero, the delivery event and the change out. Reported as sales per
// second; the floor is the same sale driven on the core alone, without the
// accessors listening.

#include "benchenvironment.h"
#include "bridge/interface/selection.h"
#include "bridge/misc/states.h"
#include "bridge/payment/payments.h"
#include "bridge/statistics/delivery.h"
#include "core/catalogue/beverage.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/machine.h"
#include "core/payment/payment.h"
#include "core/selection/userselectionmanager.h"
#include "support/accessors.h"
#include "support/catalogue.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

Beverage* gEspresso = nullptr;

void sellOnCore(benchmark::State& state)
{
    UserSelectionManager& selection = *gCoreEnv->userSelectionManager();
    Payment& payment = *gCoreEnv->payment();
    for (auto _ : state) {
        payment.addCredit(100);
        payment.addCredit(100);
        selection.setSelectedProduct(gEspresso);
        selection.buySelectedProduct();
        selection.resetSelectedProduct();
    }
    state.counters["sales/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void sellThroughAccessors(benchmark::State& state)
{
    const auto selection = createAccessor<lea::interface::Selection>();
    const auto states = createAccessor<lea::misc::States>();
    const auto payments = createAccessor<lea::payment::Payments>();
    const auto delivery = createAccessor<lea::statistics::Delivery>();
    int delivered = 0;
    QObject::connect(delivery.get(), &lea::statistics::Delivery::productDelivered, [&] { ++delivered; });
    Payment& payment = *gCoreEnv->payment();
    const lea::ProductDbId espresso(unsigned(gEspresso->id()));
    for (auto _ : state) {
        payment.addCredit(100);
        payment.addCredit(100);
        selection->setSelection(espresso);
        selection->startDelivery();
        selection->setSelection({});
    }
    if (delivered != int(state.iterations()))
        state.SkipWithError("a sale was not delivered");
    state.counters["sales/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(sellOnCore)->Unit(benchmark::kMicrosecond);
BENCHMARK(sellThroughAccessors)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    BenchEnvironment environment(argc, argv);
    CoreSimulator& machine = environment.machine();
    const TestCatalogue ids = seedTestCatalogue(machine.core());
    Configuration* configuration = machine.core().loadConfiguration();
    gEspresso = configuration->beverage(ids.espressoBeverage);
    if (!gEspresso) {
        std::fprintf(stderr, "The catalogue has no espresso.\n");
        return 1;
    }
    gEspresso->setOrAddPrice(0, 0, 0, 0, 150, -1);
    machine.core().machine()->cpuStateMachine()->setCurrentState(CpuStateMachine::Ready);
    return environment.run(argc, argv);
}
