#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of component tests: starts the test of one machine component and
/// tells which test runs and which ran last.
class TestComponents : public QObject
{
    Q_OBJECT

public:
    /// A component the machine tests on its own, numbered from FirstComponent
    /// to LastComponent, and the component test 1000.
    enum Component : int32_t {
        FirstComponent = 0,
        LastComponent = 48,
        Component1000 = 1000,
    };
    Q_ENUM(Component)

    ~TestComponents() override = default;

    /// Whether the machine started the test.
    virtual bool test(Component component) = 0;
    /// The test running; empty while none runs.
    virtual nonstd::optional<Component> onGoingComponentTest() const = 0;
    /// The test that ran last; empty before any.
    virtual nonstd::optional<Component> lastComponentTestRun() const = 0;

protected:
    explicit TestComponents(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
