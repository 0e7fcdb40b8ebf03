#include "bridge/hardware/slavemachines.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"
#include "core/multimachines/remotetemperaturemanager.h"
#include "core/multimachines/slavemachinesmanager.h"
#include "support/guardtest.h"

#include <QSignalSpy>

namespace {

using LeaSlaveMachines = lea::hardware::SlaveMachines;
using SlaveMachines = bridge::hardware::SlaveMachines;
using Temperatures = std::vector<int>;

// The slaves report to the machine, not to the configuration.
const GuardCase<SlaveMachines> guardCases[] = {
    { "temperatures_dC", [](SlaveMachines& s) { return s.temperatures_dC().empty(); }, Guard::None },
};
GUARD_TEST(SlaveMachinesGuard, LeaSlaveMachines, SlaveMachines, guardCases);

// " °C" as the slaves' UTF-8 reads in Latin-1.
const QString suffix = QString::fromLatin1("\x20\xC2\xB0\x43");

class SlaveMachinesTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        gCoreEnv->machine()->setSlaveMachinesFitted(true);
        first = manager().attachSlaveMachine();
        second = manager().attachSlaveMachine();
    }
    SlaveMachinesManager& manager() const { return *gCoreEnv->machine()->slaveMachinesManager(); }

    RemoteTemperatureManager* first = nullptr;
    RemoteTemperatureManager* second = nullptr;
};

TEST_F(SlaveMachinesTest, GivesTheActiveSlavesTemperaturesInTenths)
{
    const auto slaves = createAccessor<LeaSlaveMachines>();
    first->setFridgeTemperature(QStringLiteral("4.5") + suffix);
    second->setFridgeTemperature(QStringLiteral("-12.3") + suffix);
    EXPECT_EQ(slaves->temperatures_dC(), Temperatures {});
    manager().setSecondSlaveMachineActive(true);
    EXPECT_EQ(slaves->temperatures_dC(), Temperatures { -123 });
    manager().setFirstSlaveMachineActive(true);
    EXPECT_EQ(slaves->temperatures_dC(), (Temperatures { 45, -123 }));
}

struct TemperatureText
{
    const char* name;
    QString text;
    Temperatures expected;
};

const TemperatureText temperatureTexts[] = {
    { "WithSuffix", QStringLiteral("4.5") + suffix, { 45 } },
    { "WithoutSuffix", QStringLiteral("7"), { 70 } },
    { "TruncatedTowardZero", QStringLiteral("-4.56") + suffix, { -45 } },
    { "NotRoundedDown", QStringLiteral("0.7") + suffix, { 7 } },
    { "MinusOneTenthMeansNone", QStringLiteral("-0.1") + suffix, {} },
    { "Zero", QStringLiteral("0.0") + suffix, { 0 } },
    { "Empty", QString(), {} },
    { "OnlyTheSuffix", suffix, {} },
    { "NotANumber", QStringLiteral("error") + suffix, {} },
    { "Infinite", QStringLiteral("inf") + suffix, {} },
    { "BeyondInt", QStringLiteral("1e12") + suffix, {} },
};

class SlaveTemperatureText : public SlaveMachinesTest, public ::testing::WithParamInterface<TemperatureText>
{
};

TEST_P(SlaveTemperatureText, IsReadOrLeftOut)
{
    manager().setFirstSlaveMachineActive(true);
    first->setFridgeTemperature(GetParam().text);
    const auto slaves = createAccessor<LeaSlaveMachines>();
    EXPECT_EQ(slaves->temperatures_dC(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SlaveTemperatureText, ::testing::ValuesIn(temperatureTexts), caseName<TemperatureText>);

TEST_F(SlaveMachinesTest, AnUnreadableTemperatureIsLoggedAndTheOtherSlaveStillCounts)
{
    manager().setFirstSlaveMachineActive(true);
    manager().setSecondSlaveMachineActive(true);
    first->setFridgeTemperature(QStringLiteral("--") + suffix);
    second->setFridgeTemperature(QStringLiteral("3.0") + suffix);
    const auto slaves = createAccessor<LeaSlaveMachines>();
    clearLog();
    EXPECT_EQ(slaves->temperatures_dC(), Temperatures { 30 });
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Unreadable slave machine temperature")).size(), 1);
}

TEST_F(SlaveMachinesTest, SimulatedColdProductsAskNoSlave)
{
    manager().setFirstSlaveMachineActive(true);
    first->setFridgeTemperature(QStringLiteral("4.5") + suffix);
    gCoreEnv->setSimulatingColdProducts(true);
    const auto slaves = createAccessor<LeaSlaveMachines>();
    EXPECT_EQ(slaves->temperatures_dC(), Temperatures {});
    QSignalSpy changes(slaves.get(), &LeaSlaveMachines::slaveMachineTemperatureChanged);
    first->setFridgeTemperature(QStringLiteral("5.0") + suffix);
    EXPECT_EQ(changes.size(), 0);
}

TEST_F(SlaveMachinesTest, AMachineWithoutSlavesHasNoTemperatures)
{
    gCoreEnv->machine()->setSlaveMachinesFitted(false);
    const auto slaves = createAccessor<LeaSlaveMachines>();
    EXPECT_EQ(slaves->temperatures_dC(), Temperatures {});
    gCoreEnv->machine()->setSlaveMachinesFitted(true);
    EXPECT_EQ(slaves->temperatures_dC(), Temperatures {});
}

TEST_F(SlaveMachinesTest, RelaysChangesOfActiveSlavesOnceEachEvenAfterReactivation)
{
    const auto slaves = createAccessor<LeaSlaveMachines>();
    QSignalSpy changes(slaves.get(), &LeaSlaveMachines::slaveMachineTemperatureChanged);
    first->setFridgeTemperature(QStringLiteral("1.0") + suffix);
    EXPECT_EQ(changes.size(), 0) << "an inactive slave";

    manager().setFirstSlaveMachineActive(true);
    manager().setSecondSlaveMachineActive(true);
    manager().setSecondSlaveMachineActive(false);
    manager().setSecondSlaveMachineActive(true);
    first->setFridgeTemperature(QStringLiteral("2.0") + suffix);
    EXPECT_EQ(changes.size(), 1);
    second->setFridgeTemperature(QStringLiteral("3.0") + suffix);
    EXPECT_EQ(changes.size(), 2);

    manager().setFirstSlaveMachineActive(false);
    first->setFridgeTemperature(QStringLiteral("4.0") + suffix);
    EXPECT_EQ(changes.size(), 2) << "a slave no longer active";
}

} // namespace
