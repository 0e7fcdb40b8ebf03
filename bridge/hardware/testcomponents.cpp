#include "bridge/hardware/testcomponents.h"

#include "bridge/hardware/componentenumconverter.h"
#include "core/coreenvironment.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"

namespace bridge {
namespace hardware {

namespace {

ErogationManager& erogationManager()
{
    return *gCoreEnv->machine()->erogationManager();
}

nonstd::optional<TestComponents::Component> component(ErogationManager::ComponentsTest test)
{
    if (test == ErogationManager::NoTest)
        return nonstd::nullopt;
    return ComponentEnumConverter::toExternalOrThrow(test);
}

} // namespace

TestComponents::TestComponents(QObject* parent)
    : lea::hardware::TestComponents(parent)
{
}

TestComponents::~TestComponents() = default;

bool TestComponents::test(Component component)
{
    if (gCoreEnv->isSimulatingActuatorBoard())
        return false;
    const nonstd::optional<ErogationManager::ComponentsTest> test
        = ComponentEnumConverter::toInternalOpt(component);
    return test && erogationManager().testComponents(*test);
}

nonstd::optional<TestComponents::Component> TestComponents::onGoingComponentTest() const
{
    return component(erogationManager().onGoingTest());
}

nonstd::optional<TestComponents::Component> TestComponents::lastComponentTestRun() const
{
    return component(static_cast<ErogationManager::ComponentsTest>(erogationManager().lastActiveTest()));
}

} // namespace hardware
} // namespace bridge
