#include "bridge/hardware/testcomponents.h"
#include "core/coreenvironment.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "support/erogationrequests.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <functional>
#include <QSignalSpy>
#include <stdexcept>

namespace {

using LeaTestComponents = lea::hardware::TestComponents;
using TestComponents = bridge::hardware::TestComponents;
using Component = LeaTestComponents::Component;

ErogationManager& erogationManager()
{
    return *gCoreEnv->machine()->erogationManager();
}

Component component(int value)
{
    return static_cast<Component>(value);
}

using TestComponentsTest = SettingsAccessorTest<LeaTestComponents, TestComponents>;

// An interface component and the core test it starts.
struct Pair
{
    int component;
    int core;
};

class ComponentTest : public TestComponentsTest, public ::testing::WithParamInterface<Pair>
{
};

TEST_P(ComponentTest, StartsTheCoreTestAndReportsItRunningThenLast)
{
    const auto [external, core] = GetParam();
    QSignalSpy started(&erogationManager(), &ErogationManager::componentTestStarted);
    ASSERT_TRUE(accessor->test(component(external)));
    EXPECT_EQ(erogationRequests(), QStringList { QStringLiteral("testComponents(%1)").arg(core) });
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(int(started[0][0].value<ErogationManager::ComponentsTest>()), core);
    EXPECT_EQ(accessor->onGoingComponentTest(), nonstd::optional<Component>(component(external)));
    EXPECT_EQ(accessor->lastComponentTestRun(), nonstd::nullopt);

    erogationManager().finishComponentTest();
    EXPECT_EQ(accessor->onGoingComponentTest(), nonstd::nullopt);
    EXPECT_EQ(accessor->lastComponentTestRun(), nonstd::optional<Component>(component(external)));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

INSTANTIATE_TEST_SUITE_P(Table, ComponentTest,
    ::testing::Values(Pair { 0, 1 }, Pair { 23, 24 }, Pair { 46, 47 }, Pair { 47, 57 }, Pair { 48, 58 },
        Pair { 1000, 1000 }),
    [](const ::testing::TestParamInfo<Pair>& info) {
        return "Component" + std::to_string(info.param.component);
    });

// Requests the machine never starts; none throws.
struct Refused
{
    const char* name;
    int component;
    std::function<void()> prepare;
};

const Refused kRefused[] = {
    { "SimulatedActuatorBoard", 0, [] { gCoreEnv->setSimulatingActuatorBoard(true); } },
    { "NoCorePartnerAbove", 49, [] {} },
    { "NoCorePartnerBelow", -1, [] {} },
    { "NoCorePartnerBeforeTheSpecialTest", 999, [] {} },
    { "AnotherTestRunning", 5, [] { erogationManager().testComponents(ErogationManager::ComponentTest58); } },
};

class ComponentRefusedTest : public TestComponentsTest, public ::testing::WithParamInterface<Refused>
{
};

TEST_P(ComponentRefusedTest, ReturnsFalseAndStartsNothing)
{
    GetParam().prepare();
    const QStringList before = erogationRequests();
    const nonstd::optional<Component> running = accessor->onGoingComponentTest();
    EXPECT_FALSE(accessor->test(component(GetParam().component)));
    EXPECT_EQ(erogationRequests(), before);
    EXPECT_EQ(accessor->onGoingComponentTest(), running);
}

INSTANTIATE_TEST_SUITE_P(Requests, ComponentRefusedTest, ::testing::ValuesIn(kRefused), caseName<Refused>);

TEST_F(TestComponentsTest, ACoreTestWithoutInterfacePartnerThrowsWhenReported)
{
    ASSERT_TRUE(erogationManager().testComponents(static_cast<ErogationManager::ComponentsTest>(50)));
    EXPECT_EQ(exceptionText<std::invalid_argument>([&] {
        accessor->onGoingComponentTest();
    }).rfind("Invalid internal enum value 50 (", 0),
        0u);
    erogationManager().finishComponentTest();
    EXPECT_EQ(exceptionText<std::invalid_argument>([&] {
        accessor->lastComponentTestRun();
    }).rfind("Invalid internal enum value 50 (", 0),
        0u);
}

// Nothing here needs the configuration.
const GuardCase<TestComponents> kGuarded[] = {
    { "test",
        [](TestComponents& t) {
            return t.test(component(47))
                && erogationManager().onGoingTest() == ErogationManager::ComponentTest57;
        },
        Guard::None },
    { "onGoingComponentTest",
        [](TestComponents& t) {
            erogationManager().testComponents(ErogationManager::ComponentTest58);
            return t.onGoingComponentTest() == nonstd::optional<Component>(component(48));
        },
        Guard::None },
    { "lastComponentTestRun",
        [](TestComponents& t) {
            erogationManager().testComponents(ErogationManager::FirstComponentTest);
            erogationManager().finishComponentTest();
            return t.lastComponentTestRun() == nonstd::optional<Component>(component(0));
        },
        Guard::None },
};
GUARD_TEST(TestComponentsGuard, LeaTestComponents, TestComponents, kGuarded);

} // namespace
