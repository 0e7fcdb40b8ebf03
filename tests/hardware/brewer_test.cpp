#include "bridge/hardware/brewer.h"
#include "core/coreenvironment.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"

#include <QSignalSpy>

namespace {

using LeaBrewer = lea::hardware::Brewer;
using Brewer = bridge::hardware::Brewer;

// The brewer is the machine's: nothing waits for a configuration.
const GuardCase<Brewer> guardCases[] = {
    { "restartBrewer",
        [](Brewer& b) {
            QSignalSpy init(
                gCoreEnv->machine()->erogationManager(), &ErogationManager::espressoGroupInitRequested);
            b.restartBrewer();
            return init.size() == 1;
        },
        Guard::None },
    { "skipRestart",
        [](Brewer& b) {
            b.skipRestart();
            return gCoreEnv->machine()->isEspressoBrewerInitPrompted();
        },
        Guard::None },
    { "initAvailable", [](Brewer& b) { return !b.initAvailable(); }, Guard::None },
};
GUARD_TEST(BrewerGuard, LeaBrewer, Brewer, guardCases);

class BrewerTest : public MachineTest
{
protected:
    Machine& coreMachine() const { return *gCoreEnv->machine(); }
};

TEST_F(BrewerTest, FollowsTheMachinesOfferAndOnlyARestartRunsAnInitialisation)
{
    const auto brewer = createAccessor<LeaBrewer>();
    QSignalSpy init(coreMachine().erogationManager(), &ErogationManager::espressoGroupInitRequested);
    coreMachine().setEspressoBrewerInitAvailable(true);
    EXPECT_TRUE(brewer->initAvailable());
    brewer->restartBrewer();
    brewer->restartBrewer();
    EXPECT_EQ(init.size(), 2);
    EXPECT_FALSE(coreMachine().isEspressoBrewerInitPrompted());

    brewer->skipRestart();
    EXPECT_TRUE(coreMachine().isEspressoBrewerInitPrompted());
    EXPECT_TRUE(brewer->initAvailable());
    EXPECT_EQ(init.size(), 2);

    coreMachine().setEspressoBrewerInitAvailable(false);
    EXPECT_FALSE(brewer->initAvailable());
}

} // namespace
