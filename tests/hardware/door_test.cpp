#include "bridge/hardware/door.h"
#include "core/coreenvironment.h"
#include "core/machine/cpustatemachine.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"

namespace {

using LeaDoor = lea::hardware::Door;
using Door = bridge::hardware::Door;

// The door is the machine's, not the configuration's: every operation works without one.
const GuardCase<Door> guardCases[] = {
    { "isOpened", [](Door& d) { return !d.isOpened(); }, Guard::None },
    { "canOpen", [](Door& d) { return d.canOpen(); }, Guard::None },
    { "simulateOpened",
        [](Door& d) {
            d.simulateOpened();
            return d.isOpened();
        },
        Guard::None },
    { "simulateClosed",
        [](Door& d) {
            d.simulateClosed();
            return !d.isOpened();
        },
        Guard::None },
};
GUARD_TEST(DoorGuard, LeaDoor, Door, guardCases);

class DoorTest : public MachineTest
{
protected:
    Machine& coreMachine() const { return *gCoreEnv->machine(); }
};

TEST_F(DoorTest, SimulationMovesTheMachinesDoorThatEveryAccessorSees)
{
    const auto door = createAccessor<LeaDoor>();
    const auto other = createAccessor<LeaDoor>();
    ASSERT_TRUE(door && other);
    coreMachine().cpuStateMachine()->setCurrentState(CpuStateMachine::Ready);

    door->simulateOpened();
    EXPECT_TRUE(coreMachine().isDoorOpen());
    EXPECT_TRUE(other->isOpened());
    EXPECT_EQ(coreMachine().cpuStateMachine()->currentState(), CpuStateMachine::Maintenance);

    other->simulateClosed();
    EXPECT_FALSE(door->isOpened());
    EXPECT_EQ(coreMachine().cpuStateMachine()->currentState(), CpuStateMachine::Ready);
}

TEST_F(DoorTest, FollowsTheMachinesDoorSwitchAndCannotBeOpenedWhileDispensing)
{
    const auto door = createAccessor<LeaDoor>();
    coreMachine().simulateDoorOpened();
    EXPECT_TRUE(door->isOpened());
    coreMachine().simulateDoorClosed();
    EXPECT_FALSE(door->isOpened());
    EXPECT_TRUE(door->canOpen());
    coreMachine().setErogating(true);
    EXPECT_FALSE(door->canOpen());
    coreMachine().setErogating(false);
    EXPECT_TRUE(door->canOpen());
}

} // namespace
