#include "bridge/hardware/fan.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/database/abstractdatabase.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"

#include <limits>
#include <QSignalSpy>
#include <tuple>

namespace {

using LeaFan = lea::hardware::Fan;
using Settings = LeaFan::Settings;

auto fields(const Settings& s)
{
    return std::make_tuple(s.cpuFanManagementOn, s.fanAlwaysOn, s.fanDuration);
}

class FanTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
        fan = createAccessor<LeaFan>();
        ASSERT_TRUE(dynamic_cast<bridge::hardware::Fan*>(fan.get()));
        clearLog();
    }

    SettingsStore& store() const { return *machine().core().configurationGroup()->settingsStore(); }
    void reload()
    {
        store().reload();
        loadConfiguration();
    }
    ErogationManager* erogationManager() const { return gCoreEnv->machine()->erogationManager(); }

    std::unique_ptr<LeaFan> fan;
};

TEST_F(FanTest, EverySettingRoundTripsAndReachesTheBoard)
{
    EXPECT_EQ(fields(fan->settings()), fields(Settings {}));
    QSignalSpy sent(erogationManager(), &ErogationManager::fanSettingsSent);
    for (const Settings& settings : { Settings { true, false, 70000 }, Settings { false, true, -1 },
             Settings { true, true, std::numeric_limits<int>::max() },
             Settings { false, false, std::numeric_limits<int>::min() } }) {
        fan->setSettings(settings);
        reload();
        EXPECT_EQ(fields(fan->settings()), fields(settings));
    }
    EXPECT_EQ(sent.size(), 4);
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(FanTest, ADurationBeyondThirtyTwoBitsIsRefusedNotCut)
{
    fan->setSettings({ true, false, 70000 });
    QSignalSpy sent(erogationManager(), &ErogationManager::fanSettingsSent);
    clearLog();
    for (const int64_t duration : { (int64_t(1) << 32) | 5, int64_t(std::numeric_limits<int>::max()) + 1,
             int64_t(std::numeric_limits<int>::min()) - 1 }) {
        fan->setSettings({ false, true, duration });
        EXPECT_EQ(fields(fan->settings()), fields(Settings { true, false, 70000 })) << duration;
    }
    EXPECT_EQ(sent.size(), 0);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Fan duration out of range")).size(), 3);
    reload();
    EXPECT_EQ(fields(fan->settings()), fields(Settings { true, false, 70000 }));
}

TEST_F(FanTest, ARefusedSaveKeepsTheSettingsAndSendsNothing)
{
    fan->setSettings({ true, false, 70000 });
    refuseSetting(QStringLiteral("machine/fanDuration"));
    QSignalSpy sent(erogationManager(), &ErogationManager::fanSettingsSent);
    fan->setSettings({ false, true, 5 });
    EXPECT_EQ(fields(fan->settings()), fields(Settings { true, false, 70000 }));
    EXPECT_EQ(sent.size(), 0);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed to save fan settings")).size(), 1);
    reload();
    EXPECT_EQ(fields(fan->settings()), fields(Settings { true, false, 70000 }));
}

using Fan = bridge::hardware::Fan;
const GuardCase<Fan> kGuarded[] = {
    { "settings", [](Fan& f) { return fields(f.settings()) == fields(Settings {}); } },
    { "setSettings",
        [](Fan& f) {
            QSignalSpy sent(gCoreEnv->machine()->erogationManager(), &ErogationManager::fanSettingsSent);
            f.setSettings({ true, true, 9 });
            return sent.isEmpty()
                && !gCoreEnv->configurationGroup()->settingsStore()->contains(
                    QStringLiteral("machine/fanDuration"));
        } },
};
GUARD_TEST(FanGuard, LeaFan, Fan, kGuarded);

} // namespace
