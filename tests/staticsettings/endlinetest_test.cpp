#include "bridge/staticsettings/endlinetest.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"

#include <QSignalSpy>

namespace {

using LeaEndLineTest = lea::staticsettings::EndLineTest;
const QString kKey = QStringLiteral("configuration/endLineTestEnabled");

class EndLineTestTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
        endLineTest = createAccessor<LeaEndLineTest>();
        ASSERT_TRUE(dynamic_cast<bridge::staticsettings::EndLineTest*>(endLineTest.get()));
        clearLog();
    }

    SettingsStore& store() const { return *machine().core().configurationGroup()->settingsStore(); }
    void reload()
    {
        store().reload();
        loadConfiguration();
    }

    std::unique_ptr<LeaEndLineTest> endLineTest;
};

TEST_F(EndLineTestTest, TheFlagIsStoredAndEveryChangeSignalledOnceAcrossReloads)
{
    QSignalSpy changed(endLineTest.get(), &LeaEndLineTest::endLineTestEnabledChanged);
    EXPECT_FALSE(endLineTest->endLineTestEnabled());
    for (const bool enabled : { true, true, false, true }) {
        EXPECT_TRUE(endLineTest->setEndLineTestEnabled(enabled));
        reload();
        EXPECT_EQ(endLineTest->endLineTestEnabled(), enabled);
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
    ASSERT_TRUE(endLineTest->setEndLineTestEnabled(true));
    refuseSetting(kKey);
    QSignalSpy changed(endLineTest.get(), &LeaEndLineTest::endLineTestEnabledChanged);
    EXPECT_FALSE(endLineTest->setEndLineTestEnabled(false));
    EXPECT_TRUE(endLineTest->endLineTestEnabled());
    EXPECT_TRUE(changed.isEmpty());
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed to save the end-of-line test flag")).size(), 1);
    acceptWrites();
    reload();
    EXPECT_TRUE(endLineTest->endLineTestEnabled());
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
