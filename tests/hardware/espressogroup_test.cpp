#include "bridge/hardware/espressogroup.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/database/abstractdatabase.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"

#include <tuple>

namespace {

using LeaEspressoGroup = lea::hardware::EspressoGroup;
using Settings = LeaEspressoGroup::Settings;

auto fields(const Settings& s)
{
    return std::make_tuple(s.pregrinding, s.grinderSensor, s.boostEspressoWater);
}

class EspressoGroupTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
        group = createAccessor<LeaEspressoGroup>();
        ASSERT_TRUE(dynamic_cast<bridge::hardware::EspressoGroup*>(group.get()));
        clearLog();
    }

    SettingsStore& store() const { return *machine().core().configurationGroup()->settingsStore(); }
    void reload()
    {
        store().reload();
        loadConfiguration();
    }
    void refuse(const char* key) { refuseSetting(QLatin1String(key)); }

    std::unique_ptr<LeaEspressoGroup> group;
};

TEST_F(EspressoGroupTest, EverySettingRoundTripsAlone)
{
    EXPECT_EQ(fields(group->settings()), fields(Settings {}));
    for (const Settings& settings : { Settings { true, false, false }, Settings { false, true, false },
             Settings { false, false, true }, Settings { true, true, true }, Settings {} }) {
        group->setSettings(settings);
        reload();
        EXPECT_EQ(fields(group->settings()), fields(settings));
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

// Any one refused key refuses the whole save, and none of the three changes in memory.
TEST_F(EspressoGroupTest, ARefusedSaveKeepsAllThreeSettings)
{
    const Settings before { true, false, true };
    group->setSettings(before);
    for (const char* key :
        { "espresso/pregrinding", "espresso/grinderSensor", "machine/boostEspressoWater" }) {
        SCOPED_TRACE(key);
        refuse(key);
        clearLog();
        group->setSettings({ false, true, false });
        EXPECT_EQ(fields(group->settings()), fields(before));
        EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed to save espresso group settings")).size(), 1);
        reload();
        EXPECT_EQ(fields(group->settings()), fields(before));
        acceptWrites();
    }
}

TEST_F(EspressoGroupTest, SavingKeepsTheOtherMachineSettings)
{
    MachineSettings& machineSettings = *machine().core().configuration()->machineSettings();
    machineSettings.setFanDuration(42);
    ASSERT_TRUE(machine().core().configuration()->saveMachineSettings());
    group->setSettings({ true, true, true });
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
