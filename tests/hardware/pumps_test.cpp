#include "bridge/hardware/logicalpumpenumconverter.h"
#include "bridge/hardware/pumps.h"
#include "core/configuration/configuration.h"
#include "core/hardware/pump.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <QJsonArray>
#include <stdexcept>

namespace {

using LeaPumps = lea::hardware::Pumps;
using PumpMap = std::map<LeaPumps::LogicalPumpId, LeaPumps::Pump>;
using Converter = bridge::hardware::LogicalPumpEnumConverter;

LeaPumps::LogicalPumpId lea(int id)
{
    return static_cast<LeaPumps::LogicalPumpId>(id);
}

InputsOutputs::LogicalPumpId core(int id)
{
    return static_cast<InputsOutputs::LogicalPumpId>(id);
}

} // namespace

namespace lea {
namespace hardware {
bool operator==(const Pumps::Pump& a, const Pumps::Pump& b)
{
    return a.calibrationMin == b.calibrationMin && a.calibrationMax == b.calibrationMax;
}

void PrintTo(const Pumps::Pump& pump, std::ostream* os)
{
    *os << "(" << pump.calibrationMin << ", " << pump.calibrationMax << ")";
}
} // namespace hardware
} // namespace lea

namespace {

/// Twenty pumps, each with a range of its own.
PumpMap everyPump()
{
    PumpMap map;
    for (int id = 0; id <= 19; ++id)
        map[lea(id)] = { 10 * id + 1, 100 * id + 50 };
    return map;
}

using PumpsTest = SettingsAccessorTest<LeaPumps, bridge::hardware::Pumps>;

TEST(LogicalPumpEnumConverter, InterfaceCountsFromZeroAndSkipsCorePumpEight)
{
    for (int id = 1; id <= 21; ++id) {
        if (id == 8)
            continue;
        const int expected = id < 8 ? id - 1 : id - 2;
        EXPECT_EQ(Converter::toExternalOpt(core(id)), lea(expected)) << id;
        EXPECT_EQ(Converter::toInternalOpt(lea(expected)), core(id)) << id;
    }
    for (const int id : { 0, 8, 22, -1 })
        EXPECT_FALSE(Converter::toExternalOpt(core(id))) << id;
    for (const int id : { 20, -1 })
        EXPECT_FALSE(Converter::toInternalOpt(lea(id))) << id;
}

TEST_F(PumpsTest, EveryPumpRoundTripsThroughSaveAndReload)
{
    const PumpMap initial = accessor->pumps();
    ASSERT_EQ(initial.size(), 20u);
    EXPECT_EQ(initial.at(lea(0)), (LeaPumps::Pump { 0, 1000 }));

    accessor->setPumps(everyPump());
    EXPECT_EQ(accessor->pumps(), everyPump());
    reload();
    EXPECT_EQ(accessor->pumps(), everyPump());

    // A partial map leaves the other pumps alone.
    PumpMap expected = everyPump();
    expected[lea(7)] = { -5, 0 };
    accessor->setPumps({ { lea(7), { -5, 0 } } });
    reload();
    EXPECT_EQ(accessor->pumps(), expected);
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(PumpsTest, AnInvalidIdentifierThrowsBeforeAnyPumpIsWritten)
{
    const PumpMap before = accessor->pumps();
    PumpMap wrong = everyPump();
    wrong[lea(20)] = { 1, 2 };
    EXPECT_THROW(accessor->setPumps(wrong), std::invalid_argument);
    EXPECT_EQ(accessor->pumps(), before);
    reload();
    EXPECT_EQ(accessor->pumps(), before);
}

TEST_F(PumpsTest, ARefusedSaveKeepsEveryPumpAsItWasAndIsLogged)
{
    // The pump of interface number 9 is core logical pump 11, the physical pump 10.
    expectRefusedSaveKeeps(
        QStringLiteral("pumps/10"), QStringLiteral("Failed to save pumps"),
        [&] { accessor->setPumps(everyPump()); }, [&] { return accessor->pumps(); });
}

TEST_F(PumpsTest, LayoutWithoutLogicalPumpOrWithADuplicateShowsTheFirstAndSkipsMissingOnes)
{
    // Physical 0 serves none, 1 and 2 both serve core pump 3, 3 serves core pump 9.
    ASSERT_TRUE(store().setValue(QStringLiteral("pumps/layout"), QJsonArray { 0, 3, 3, 9 }));
    ASSERT_TRUE(store().setValue(QStringLiteral("pumps/1"), QJsonArray { 11, 12 }));
    ASSERT_TRUE(store().setValue(QStringLiteral("pumps/2"), QJsonArray { 21, 22 }));
    reload();
    EXPECT_EQ(accessor->pumps(), (PumpMap { { lea(2), { 11, 12 } }, { lea(7), { 0, 1000 } } }));

    clearLog();
    accessor->setPumps({ { lea(0), { 1, 1 } }, { lea(2), { 5, 6 } }, { lea(7), { 7, 8 } } });
    EXPECT_EQ(logEntriesContaining(QStringLiteral("skipped")).size(), 1);
    reload();
    EXPECT_EQ(accessor->pumps(), (PumpMap { { lea(2), { 5, 6 } }, { lea(7), { 7, 8 } } }));
    EXPECT_EQ(store().value(QStringLiteral("pumps/2")), (QJsonArray { 21, 22 }));
}

TEST_F(PumpsTest, AnUnconvertibleCorePumpThrows)
{
    ASSERT_TRUE(store().setValue(QStringLiteral("pumps/layout"), QJsonArray { 1, 8 }));
    reload();
    EXPECT_THROW(accessor->pumps(), std::invalid_argument);
}

using Pumps = bridge::hardware::Pumps;
const GuardCase<Pumps> kGuarded[] = {
    { "pumps", [](Pumps& p) { return p.pumps().empty(); } },
    { "setPumps",
        [](Pumps& p) {
            p.setPumps({ { lea(0), { 1, 2 } } });
            return !gCoreEnv->configurationGroup()->settingsStore()->contains(QStringLiteral("pumps/0"));
        } },
};
GUARD_TEST(PumpsGuard, LeaPumps, Pumps, kGuarded);

} // namespace
