#include "bridge/hardware/reboot.h"
#include "core/coreenvironment.h"
#include "core/machine/rebootmanager.h"
#include "support/guardtest.h"

#include <QSignalSpy>

namespace {

using LeaReboot = lea::hardware::Reboot;
using Reboot = bridge::hardware::Reboot;

// A reboot does not wait for a configuration. The stand-in only reports the request.
const GuardCase<Reboot> guardCases[] = {
    { "rebootSoon", [](Reboot& r) { return r.rebootSoon(), true; }, Guard::None },
    { "rebootImmediately", [](Reboot& r) { return r.rebootImmediately(), true; }, Guard::None },
    { "applicativeRebootSoon", [](Reboot& r) { return r.applicativeRebootSoon(), true; }, Guard::None },
    { "applicativeRebootImmediately", [](Reboot& r) { return r.applicativeRebootImmediately(), true; },
        Guard::None },
};
GUARD_TEST(RebootGuard, LeaReboot, Reboot, guardCases);

struct RebootCase
{
    const char* name;
    void (LeaReboot::*operation)();
    RebootManager::Request request;
};

const RebootCase rebootCases[] = {
    { "rebootSoon", &LeaReboot::rebootSoon, RebootManager::SystemSoon },
    { "rebootImmediately", &LeaReboot::rebootImmediately, RebootManager::SystemImmediately },
    { "applicativeRebootSoon", &LeaReboot::applicativeRebootSoon, RebootManager::ApplicationSoon },
    { "applicativeRebootImmediately", &LeaReboot::applicativeRebootImmediately,
        RebootManager::ApplicationImmediately },
};

class RebootTest : public MachineTest, public ::testing::WithParamInterface<RebootCase>
{
};

TEST_P(RebootTest, AsksTheCoreForExactlyThatReboot)
{
    const auto reboot = createAccessor<LeaReboot>();
    ASSERT_TRUE(reboot);
    qRegisterMetaType<RebootManager::Request>();
    QSignalSpy requests(gCoreEnv->rebootManager(), &RebootManager::rebootRequested);
    ((*reboot).*GetParam().operation)();
    ASSERT_TRUE(requests.isValid());
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0][0].value<RebootManager::Request>(), GetParam().request);
}

INSTANTIATE_TEST_SUITE_P(Operations, RebootTest, ::testing::ValuesIn(rebootCases), caseName<RebootCase>);

} // namespace
