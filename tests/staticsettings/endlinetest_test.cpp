#include "bridge/staticsettings/endlinetest.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <QSignalSpy>

namespace {

using LeaEndLineTest = lea::staticsettings::EndLineTest;
const QString kKey = QStringLiteral("configuration/endLineTestEnabled");

using EndLineTestTest = SettingsAccessorTest<LeaEndLineTest, bridge::staticsettings::EndLineTest>;

TEST_F(EndLineTestTest, TheFlagIsStoredAndEveryChangeSignalledOnceAcrossReloads)
{
    QSignalSpy changed(accessor.get(), &LeaEndLineTest::endLineTestEnabledChanged);
    EXPECT_FALSE(accessor->endLineTestEnabled());
    for (const bool enabled : { true, true, false, true }) {
        EXPECT_TRUE(accessor->setEndLineTestEnabled(enabled));
        reload();
        EXPECT_EQ(accessor->endLineTestEnabled(), enabled);
    }
    // The configuration loaded last is followed too.
    gCoreEnv->configuration()->setEndLineTestEnabled(false);
    ASSERT_EQ(changed.size(), 4);
    for (int i = 0; i < changed.size(); ++i)
        EXPECT_EQ(changed.at(i).at(0).toBool(), (std::vector<bool> { true, false, true, false }[i])) << i;
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(EndLineTestTest, ARefusedSaveKeepsTheFlagAndSignalsNothing)
{
    ASSERT_TRUE(accessor->setEndLineTestEnabled(true));
    QSignalSpy changed(accessor.get(), &LeaEndLineTest::endLineTestEnabledChanged);
    expectRefusedSaveKeeps(
        kKey, QStringLiteral("Failed to save the end-of-line test flag"),
        [&] { EXPECT_FALSE(accessor->setEndLineTestEnabled(false)); },
        [&] { return accessor->endLineTestEnabled(); });
    EXPECT_TRUE(accessor->endLineTestEnabled());
    EXPECT_TRUE(changed.isEmpty());
}

using EndLineTest = bridge::staticsettings::EndLineTest;
const GuardCase<EndLineTest> kGuarded[] = {
    { "endLineTestEnabled", [](EndLineTest& e) { return !e.endLineTestEnabled(); } },
    { "setEndLineTestEnabled",
        [](EndLineTest& e) {
            return !e.setEndLineTestEnabled(true)
                && !gCoreEnv->configurationGroup()->settingsStore()->contains(kKey);
        } },
};
GUARD_TEST(EndLineTestGuard, LeaEndLineTest, EndLineTest, kGuarded);

} // namespace
