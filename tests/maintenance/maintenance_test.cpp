#include "bridge/maintenance/maintenance.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/database/abstractdatabase.h"
#include "core/gui/guienvironment.h"
#include "core/gui/maintenance.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"
#include "support/machineaccessortest.h"

#include <climits>
#include <QSignalSpy>
#include <tuple>

namespace {

using LeaMaintenance = lea::maintenance::Maintenance;
using Maintenance = bridge::maintenance::Maintenance;
using Settings = LeaMaintenance::Settings;

auto fields(const Settings& s)
{
    return std::make_tuple(s.maintenanceEnabled, s.days, s.deliveries, s.reserved1, s.reserved2);
}

const QDateTime kNow(QDate(2026, 3, 5), QTime(7, 30));

class MaintenanceTest : public MachineAccessorTest<LeaMaintenance, Maintenance>
{
protected:
    void prepare() override
    {
        gCoreEnv->clock()->setSimulatedTime(kNow);
        loadConfiguration();
    }

    static ::Maintenance& core() { return *gGuiEnv->maintenance(); }
    static MachineSettings& machineSettings() { return *gCoreEnv->configuration()->machineSettings(); }
    SettingsStore& store() const { return *machine().core().configurationGroup()->settingsStore(); }
    /// The schedule as the store holds it after a reload.
    void reload()
    {
        store().reload();
        core().load();
    }
};

TEST_F(MaintenanceTest, TheScheduleRoundTripsThroughTheStore)
{
    const Settings cases[] = {
        { true, 7, 100, {}, {} },
        { false, 65535, 0, {}, {} },
        // The reserved values are ignored.
        { true, 0, 65535, 3, 4 },
    };
    for (const Settings& sent : cases) {
        accessor->setSettings(sent);
        core().setMaintenanceDays(-5);
        reload();
        EXPECT_EQ(fields(accessor->settings()),
            fields(Settings { sent.maintenanceEnabled, sent.days, sent.deliveries, {}, {} }));
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(MaintenanceTest, CoreValuesBeyondSixteenBitsAreCut)
{
    const struct
    {
        int days, deliveries;
        uint16_t readDays, readDeliveries;
    } cases[] = { { 70000, 65536, 70000 - 65536, 0 }, { -1, 131071, 65535, 65535 } };
    for (const auto& c : cases) {
        core().setMaintenanceDays(c.days);
        core().setMaintenanceDeliveries(c.deliveries);
        EXPECT_EQ(accessor->settings().days, c.readDays);
        EXPECT_EQ(accessor->settings().deliveries, c.readDeliveries);
    }
}

TEST_F(MaintenanceTest, ARefusedSaveKeepsTheSchedule)
{
    accessor->setSettings({ true, 7, 100, {}, {} });
    refuseSetting(QStringLiteral("maintenance/deliveries"));
    clearLog();
    accessor->setSettings({ false, 9, 200, {}, {} });
    EXPECT_EQ(fields(accessor->settings()), fields(Settings { true, 7, 100, {}, {} }));
    EXPECT_EQ(logEntriesContaining("Failed to save maintenance settings").size(), 1);
    reload();
    EXPECT_EQ(fields(accessor->settings()), fields(Settings { true, 7, 100, {}, {} }));
}

TEST_F(MaintenanceTest, DeliveriesLeftFollowTheDeliveryCounter)
{
    const struct
    {
        int dueAt, counter, left;
    } cases[] = {
        { 100, 30, 70 },
        { 100, 120, -20 },
        { 0, 0, 0 },
        { INT_MAX, -1, INT_MAX },
        { INT_MIN, 1, INT_MIN },
    };
    for (const auto& c : cases) {
        machineSettings().setMaintenanceDeliveryCount(c.dueAt);
        gCoreEnv->machine()->setDeliveryCount(c.counter);
        EXPECT_EQ(accessor->maintenanceCount(), c.left) << c.dueAt << " " << c.counter;
    }
}

TEST_F(MaintenanceTest, DaysLeftFollowTheSimulatedDate)
{
    const struct
    {
        qint64 lastServiceSecondsAgo;
        int interval;
        int left;
    } cases[] = {
        { 10 * 86400, 7, -3 },
        { 0, 7, 7 },
        { 86400, 1, 0 },
        { 3 * 86400, 30, 27 },
    };
    for (const auto& c : cases) {
        gCoreEnv->machine()->setLastMaintenance(kNow.addSecs(-c.lastServiceSecondsAgo));
        machineSettings().setMaintenanceIntervalDays(c.interval);
        EXPECT_EQ(accessor->maintenanceTime(), c.left) << c.lastServiceSecondsAgo;
    }
    // Time moves on: the same service is now further away.
    gCoreEnv->machine()->setLastMaintenance(kNow);
    machineSettings().setMaintenanceIntervalDays(7);
    gCoreEnv->clock()->advanceSeconds(9 * 86400);
    EXPECT_EQ(accessor->maintenanceTime(), -2);
}

TEST_F(MaintenanceTest, TheServiceIntervalIsStoredWithTheMachineSettings)
{
    machineSettings().setMaintenanceDeliveryCount(500);
    machineSettings().setMaintenanceIntervalDays(14);
    ASSERT_TRUE(gCoreEnv->configuration()->saveMachineSettings());
    gCoreEnv->machine()->setDeliveryCount(100);
    gCoreEnv->machine()->setLastMaintenance(kNow);
    store().reload();
    loadConfiguration();
    EXPECT_EQ(accessor->maintenanceCount(), 400);
    EXPECT_EQ(accessor->maintenanceTime(), 14);
}

TEST_F(MaintenanceTest, SignalsAreRelayedOnceAndFollowTheConfiguration)
{
    QSignalSpy deliveries(accessor.get(), &LeaMaintenance::erogationsCountChanged);
    QSignalSpy settings(accessor.get(), &LeaMaintenance::maintenanceSettingsChanged);
    for (int i = 0; i < 3; ++i)
        loadConfiguration();
    gCoreEnv->machine()->countDelivery();
    EXPECT_EQ(deliveries.size(), 1);
    machineSettings().setMaintenanceIntervalDays(3);
    machineSettings().setMaintenanceIntervalDays(3);
    machineSettings().setMaintenanceDeliveryCount(9);
    EXPECT_EQ(settings.size(), 2);

    // Without a configuration the relay of settings stops; the log says so once.
    clearLog();
    unloadConfiguration();
    EXPECT_EQ(logEntriesContaining("void bridge::maintenance::Maintenance::onConfigurationChanged(const "
                                   "Configuration*) Configuration is not loaded. Operation canceled.")
                  .size(),
        1);
    loadConfiguration();
    settings.clear();
    machineSettings().setMaintenanceIntervalDays(12);
    EXPECT_EQ(settings.size(), 1);
}

TEST_F(MaintenanceTest, TheFilterCounterIsReportedAsNotImplemented)
{
    EXPECT_EQ(accessor->waterQuantityToNextFilterMaintenance_L(), 0);
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].kind, LogEntry::Kind::ReleaseAssertion);
    EXPECT_EQ(entries[0].items.value(1),
        "virtual int bridge::maintenance::Maintenance::waterQuantityToNextFilterMaintenance_L() "
        "constis not implemented.");
    EXPECT_TRUE(entries[0].items.value(2).endsWith("bridge/maintenance/maintenance.h"));
}

const GuardCase<Maintenance> kGuardTable[] = {
    { "settings", [](Maintenance& m) { return fields(m.settings()) == fields(Settings {}); }, Guard::None },
    { "setSettings",
        [](Maintenance& m) {
            m.setSettings({ true, 5, 6, {}, {} });
            return gCoreEnv->configurationGroup()->settingsStore()->value("maintenance/days").toInt() == 5;
        },
        Guard::None },
    { "maintenanceCount", [](Maintenance& m) { return m.maintenanceCount() == 0; } },
    { "maintenanceTime", [](Maintenance& m) { return m.maintenanceTime() == 0; }, Guard::None },
    { "waterQuantityToNextFilterMaintenance_L",
        [](Maintenance& m) { return m.waterQuantityToNextFilterMaintenance_L() == 0; }, Guard::Unsupported },
};
GUARD_TEST(MaintenanceGuardTest, LeaMaintenance, Maintenance, kGuardTable);

} // namespace
