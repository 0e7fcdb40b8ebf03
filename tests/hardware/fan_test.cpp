#include "bridge/hardware/fan.h"
#include "core/configuration/configuration.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

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

class FanTest : public SettingsAccessorTest<LeaFan, bridge::hardware::Fan>
{
protected:
    ErogationManager* erogationManager() const { return gCoreEnv->machine()->erogationManager(); }
};

TEST_F(FanTest, EverySettingRoundTripsAndReachesTheBoard)
{
    EXPECT_EQ(fields(accessor->settings()), fields(Settings {}));
    QSignalSpy sent(erogationManager(), &ErogationManager::fanSettingsSent);
    for (const Settings& settings : { Settings { true, false, 70000 }, Settings { false, true, -1 },
             Settings { true, true, std::numeric_limits<int>::max() },
             Settings { false, false, std::numeric_limits<int>::min() } }) {
        accessor->setSettings(settings);
        reload();
        EXPECT_EQ(fields(accessor->settings()), fields(settings));
    }
    EXPECT_EQ(sent.size(), 4);
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(FanTest, ADurationBeyondThirtyTwoBitsIsRefusedNotCut)
{
    accessor->setSettings({ true, false, 70000 });
    QSignalSpy sent(erogationManager(), &ErogationManager::fanSettingsSent);
    clearLog();
    for (const int64_t duration : { (int64_t(1) << 32) | 5, int64_t(std::numeric_limits<int>::max()) + 1,
             int64_t(std::numeric_limits<int>::min()) - 1 }) {
        accessor->setSettings({ false, true, duration });
        EXPECT_EQ(fields(accessor->settings()), fields(Settings { true, false, 70000 })) << duration;
    }
    EXPECT_EQ(sent.size(), 0);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Fan duration out of range")).size(), 3);
    reload();
    EXPECT_EQ(fields(accessor->settings()), fields(Settings { true, false, 70000 }));
}

TEST_F(FanTest, ARefusedSaveKeepsTheSettingsAndSendsNothing)
{
    accessor->setSettings({ true, false, 70000 });
    QSignalSpy sent(erogationManager(), &ErogationManager::fanSettingsSent);
    expectRefusedSaveKeeps(
        QStringLiteral("machine/fanDuration"), QStringLiteral("Failed to save fan settings"),
        [&] {
            accessor->setSettings({ false, true, 5 });
        },
        [&] { return fields(accessor->settings()); });
    EXPECT_EQ(sent.size(), 0);
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
