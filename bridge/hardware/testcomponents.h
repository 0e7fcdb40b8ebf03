#pragma once

#include "lea/hardware/testcomponents.h"

namespace bridge {
namespace hardware {

/// Starts component tests on the machine's dispensing manager and reports the
/// running and the last test.
class TestComponents : public lea::hardware::TestComponents
{
    Q_OBJECT

public:
    explicit TestComponents(QObject* parent);
    ~TestComponents() override;

    /// False while the core only simulates the actuator board, for a component
    /// the machine cannot test, or when the machine does not start the test.
    bool test(Component component) override;
    nonstd::optional<Component> onGoingComponentTest() const override;
    nonstd::optional<Component> lastComponentTestRun() const override;
};

} // namespace hardware
} // namespace bridge
