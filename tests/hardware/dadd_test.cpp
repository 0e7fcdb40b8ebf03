#include "bridge/hardware/dadd.h"
#include "core/dadd/deliveryareadoordevicemanager.h"
#include "core/hardwareenvironment.h"
#include "support/guardtest.h"

#include <QSignalSpy>

namespace {

using LeaDADD = lea::hardware::DADD;
using DADD = bridge::hardware::DADD;
using Manager = core::dadd::DeliveryAreaDoorDeviceManager;

Manager& manager()
{
    return *gHardwareEnv->deliveryAreaDoorDeviceManager();
}

// The door is the machine's: nothing waits for a configuration.
const GuardCase<DADD> guardCases[] = {
    { "enabled", [](DADD& d) { return !d.enabled(); }, Guard::None },
    { "status", [](DADD& d) { return d.status(); }, Guard::None },
    { "openDoor",
        [](DADD& d) {
            d.openDoor();
            return !manager().isDoorClosed();
        },
        Guard::None },
    { "closeDoor",
        [](DADD& d) {
            d.openDoor();
            d.closeDoor();
            return manager().isDoorClosed();
        },
        Guard::None },
};
GUARD_TEST(DADDGuard, LeaDADD, DADD, guardCases);

class DADDTest : public MachineTest
{
};

TEST_F(DADDTest, OpeningAndClosingMoveTheDoorAsTheInterfacesRequest)
{
    const auto door = createAccessor<LeaDADD>();
    ASSERT_TRUE(dynamic_cast<DADD*>(door.get()));
    manager().setEnabled(true);
    QSignalSpy status(door.get(), &LeaDADD::statusChanged);

    door->openDoor();
    EXPECT_FALSE(door->status());
    EXPECT_FALSE(manager().isDoorClosed());
    EXPECT_EQ(manager().lastMovementSource(), Manager::UserInterfaceRequest);
    EXPECT_EQ(status.size(), 1);

    manager().closeDadd(Manager::MachineRequest);
    EXPECT_TRUE(door->status());
    EXPECT_EQ(status.size(), 2);

    door->closeDoor();
    EXPECT_TRUE(door->status());
    EXPECT_EQ(manager().lastMovementSource(), Manager::UserInterfaceRequest);
    EXPECT_EQ(status.size(), 2);
}

TEST_F(DADDTest, FollowsTheDevicesEnabledFlag)
{
    const auto door = createAccessor<LeaDADD>();
    QSignalSpy enabled(door.get(), &LeaDADD::enabledChanged);
    manager().setEnabled(true);
    EXPECT_TRUE(door->enabled());
    manager().setEnabled(true);
    manager().setEnabled(false);
    EXPECT_FALSE(door->enabled());
    EXPECT_EQ(enabled.size(), 2);
}

} // namespace
