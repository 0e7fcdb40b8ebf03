#include "bridge/hardware/boilerparameterslimits.h"
#include "core/hardwareenvironment.h"
#include "core/parameters/parameterslimits.h"
#include "support/guardtest.h"

namespace {

using LeaLimits = lea::hardware::BoilerParametersLimits;
using Limits = LeaLimits::Limits;
using Map = QMap<QString, QVariant>;

Map range(const QVariant& min, const QVariant& max)
{
    Map map;
    if (min.isValid())
        map.insert(QStringLiteral("min"), min);
    if (max.isValid())
        map.insert(QStringLiteral("max"), max);
    return map;
}

struct MachineLimitsCase
{
    const char* name;
    Map machine;
    Limits expected;
};

class BoilerParametersLimitsTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        limits = createAccessor<LeaLimits>();
        ASSERT_TRUE(dynamic_cast<bridge::hardware::BoilerParametersLimits*>(limits.get()));
    }

    Parameters::ParametersLimits& machineLimits() const { return *gHardwareEnv->parametersLimits(); }

    std::unique_ptr<LeaLimits> limits;
};

class MachineLimitsTest : public BoilerParametersLimitsTest,
                          public ::testing::WithParamInterface<MachineLimitsCase>
{
};

// Both temperatures are the machine's own, each read from its own map.
TEST_P(MachineLimitsTest, TemperatureLimitsAreTheMachinesWhenBothEndsAreGiven)
{
    const MachineLimitsCase& c = GetParam();
    const Map other = range(1, 2);
    machineLimits().setInstantTemp_dC(c.machine);
    machineLimits().setEspressoTemp_dC(other);
    EXPECT_EQ(limits->instantBoilerTemp(), c.expected);
    EXPECT_EQ(limits->espressoBoilerTemp(), qMakePair(1, 2));
    machineLimits().setEspressoTemp_dC(c.machine);
    machineLimits().setInstantTemp_dC(other);
    EXPECT_EQ(limits->espressoBoilerTemp(), c.expected);
    EXPECT_EQ(limits->instantBoilerTemp(), qMakePair(1, 2));
}

INSTANTIATE_TEST_SUITE_P(Maps, MachineLimitsTest,
    ::testing::Values(MachineLimitsCase { "both", range(750, 980), qMakePair(750, 980) },
        MachineLimitsCase {
            "texts", range(QStringLiteral("700"), QStringLiteral("990")), qMakePair(700, 990) },
        MachineLimitsCase { "noMax", range(750, QVariant()), nonstd::nullopt },
        MachineLimitsCase { "noMin", range(QVariant(), 980), nonstd::nullopt },
        MachineLimitsCase { "empty", Map {}, nonstd::nullopt }),
    caseName<MachineLimitsCase>);

using BoilerLimits = bridge::hardware::BoilerParametersLimits;
const GuardCase<BoilerLimits> kGuarded[] = {
    { "instantBoilerTemp", [](BoilerLimits& l) { return l.instantBoilerTemp() == qMakePair(700, 980); },
        Guard::None },
    { "espressoBoilerTemp", [](BoilerLimits& l) { return l.espressoBoilerTemp() == qMakePair(800, 1000); },
        Guard::None },
    { "boostTimeFirstCoffee", [](BoilerLimits& l) { return l.boostTimeFirstCoffee() == qMakePair(0, 900); },
        Guard::None },
    { "boostTimeThresholdEspresso",
        [](BoilerLimits& l) { return l.boostTimeThresholdEspresso() == qMakePair(3, 90); }, Guard::None },
};
GUARD_TEST(BoilerParametersLimitsGuard, LeaLimits, BoilerLimits, kGuarded);

} // namespace
