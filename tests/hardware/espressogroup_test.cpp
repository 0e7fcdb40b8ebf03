#include "bridge/hardware/espressogroup.h"
#include "core/configuration/configuration.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <tuple>

namespace {

using LeaEspressoGroup = lea::hardware::EspressoGroup;
using Settings = LeaEspressoGroup::Settings;

auto fields(const Settings& s)
{
    return std::make_tuple(s.pregrinding, s.grinderSensor, s.boostEspressoWater);
}

using EspressoGroupTest = SettingsAccessorTest<LeaEspressoGroup, bridge::hardware::EspressoGroup>;

TEST_F(EspressoGroupTest, EverySettingRoundTripsAlone)
{
    EXPECT_EQ(fields(accessor->settings()), fields(Settings {}));
    for (const Settings& settings : { Settings { true, false, false }, Settings { false, true, false },
             Settings { false, false, true }, Settings { true, true, true }, Settings {} }) {
        accessor->setSettings(settings);
        reload();
        EXPECT_EQ(fields(accessor->settings()), fields(settings));
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

// Any one refused key refuses the whole save, and none of the three changes in memory.
TEST_F(EspressoGroupTest, ARefusedSaveKeepsAllThreeSettings)
{
    const Settings before { true, false, true };
    accessor->setSettings(before);
    for (const char* key : { "espresso/pregrinding", "espresso/grinderSensor", "machine/boostEspressoWater" })
        expectRefusedSaveKeeps(
            QLatin1String(key), QStringLiteral("Failed to save espresso group settings"),
            [&] {
                accessor->setSettings({ false, true, false });
            },
            [&] { return fields(accessor->settings()); });
}

TEST_F(EspressoGroupTest, SavingKeepsTheOtherMachineSettings)
{
    MachineSettings& machineSettings = *machine().core().configuration()->machineSettings();
    machineSettings.setFanDuration(42);
    ASSERT_TRUE(machine().core().configuration()->saveMachineSettings());
    accessor->setSettings({ true, true, true });
    reload();
    EXPECT_EQ(machine().core().configuration()->machineSettings()->fanDuration(), 42);
}

using EspressoGroup = bridge::hardware::EspressoGroup;
const GuardCase<EspressoGroup> kGuarded[] = {
    { "settings", [](EspressoGroup& g) { return fields(g.settings()) == fields(Settings {}); } },
    { "setSettings",
        [](EspressoGroup& g) {
            g.setSettings({ true, true, true });
            return !gCoreEnv->configurationGroup()->settingsStore()->contains(
                QStringLiteral("espresso/pregrinding"));
        } },
};
GUARD_TEST(EspressoGroupGuard, LeaEspressoGroup, EspressoGroup, kGuarded);

} // namespace
