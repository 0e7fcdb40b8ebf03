#include "bridge/hardware/uart.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"
#include "core/machine/uartmanager.h"
#include "support/guardtest.h"

#include <memory>
#include <QSignalSpy>
#include <tuple>

namespace {

using LeaUart = lea::hardware::UART;
using Uart = bridge::hardware::UART;

UARTManager& manager()
{
    return *gCoreEnv->machine()->uartManager();
}

// The feature the port serves, the feature asked about, and the answer.
using Case = std::tuple<int, int, bool>;

class UartAvailability : public MachineTest, public ::testing::WithParamInterface<Case>
{
};

TEST_P(UartAvailability, OnlyTheServedFeatureIsAvailable)
{
    const auto [active, asked, available] = GetParam();
    manager().setActiveFeature(static_cast<UARTSupportedFeature>(active));
    const std::unique_ptr<Uart> uart = createAccessor<LeaUart, Uart>();
    ASSERT_TRUE(uart);
    EXPECT_EQ(uart->availableFor(static_cast<LeaUart::Feature>(asked)), available);
}

// 0 is "no feature" in the core: asking for it is never answered yes, not even while the port is idle.
INSTANTIATE_TEST_SUITE_P(Features, UartAvailability,
    ::testing::Values(Case { 0, 0, false }, Case { 0, 1, false }, Case { 0, 2, false }, Case { 1, 1, true },
        Case { 1, 2, false }, Case { 1, 0, false }, Case { 2, 2, true }, Case { 2, 1, false },
        Case { 2, 0, false }, Case { 7, 7, false }, Case { 3, 3, false }));

using UartTest = MachineTest;

TEST_F(UartTest, EachChangeOfTheServedFeatureIsAnnouncedOnce)
{
    const std::unique_ptr<Uart> uart = createAccessor<LeaUart, Uart>();
    QSignalSpy spy(uart.get(), &LeaUart::availableForChanged);
    manager().setActiveFeature(UARTCodeScanner);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(uart->availableFor(LeaUart::CodeScanner));
    manager().setActiveFeature(UARTCodeScanner);
    EXPECT_EQ(spy.count(), 1);
    manager().setActiveFeature(UARTTouchlessPayment);
    EXPECT_EQ(spy.count(), 2);
    EXPECT_FALSE(uart->availableFor(LeaUart::CodeScanner));
    EXPECT_TRUE(uart->availableFor(LeaUart::TouchlessPayment));
}

// The port does not depend on the catalogue.
const GuardCase<Uart> kGuarded[] = {
    { "availableFor", [](Uart& u) { return !u.availableFor(LeaUart::CodeScanner); }, Guard::None },
};
GUARD_TEST(UartGuard, LeaUart, Uart, kGuarded);

} // namespace
