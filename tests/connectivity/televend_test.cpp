#include "bridge/connectivity/televend.h"
#include "bridge/qml/televendproperties.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/televendsettings.h"
#include "core/machine/machine.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <functional>
#include <QSignalSpy>
#include <utility>
#include <vector>

namespace {

using LeaTelevend = lea::connectivity::Televend;
using Televend = bridge::connectivity::Televend;
using Properties = bridge::qml::TelevendProperties;

Properties& properties()
{
    return *Properties::instance();
}

const GuardCase<Televend> kGuards[] = {
    { "enabled", [](Televend& t) { return !t.enabled(); }, Guard::None },
    { "pid", [](Televend& t) { return t.pid() == properties().pid(); }, Guard::None },
};
GUARD_TEST(TelevendGuard, LeaTelevend, Televend, kGuards);

using TelevendTest = SettingsAccessorTest<LeaTelevend, Televend>;

TEST_F(TelevendTest, EnabledFollowsTheSettingsOfWhicheverConfigurationIsLoaded)
{
    QSignalSpy enabled(accessor.get(), &LeaTelevend::enabledChanged);
    TelevendSettings& settings = *gCoreEnv->configuration()->televendSettings();
    settings.setEnabled(true);
    ASSERT_EQ(enabled.count(), 1);
    EXPECT_TRUE(enabled.takeFirst().at(0).toBool());
    EXPECT_TRUE(accessor->enabled());
    EXPECT_TRUE(properties().enabled());

    // Another configuration: the signal follows its settings and its value is announced.
    ASSERT_TRUE(machine().core().configurationGroup()->settingsStore()->setValue("televend/enabled", true));
    loadConfiguration();
    ASSERT_EQ(enabled.count(), 1);
    EXPECT_TRUE(enabled.takeFirst().at(0).toBool());
    gCoreEnv->configuration()->televendSettings()->setEnabled(false);
    ASSERT_EQ(enabled.count(), 1);
    EXPECT_FALSE(enabled.takeFirst().at(0).toBool());
    EXPECT_FALSE(properties().enabled());

    gCoreEnv->configuration()->televendSettings()->setEnabled(true);
    unloadConfiguration();
    EXPECT_EQ(enabled.count(), 2);
    EXPECT_FALSE(enabled.last().at(0).toBool());
    EXPECT_FALSE(accessor->enabled());
    EXPECT_FALSE(properties().enabled());
}

// One report of the client: `prepare` picks a value that differs from the
// property's and gives the report of it and the check that it was stored.
struct Report
{
    const char* name;
    void (Properties::*changed)();
    bool alwaysNotifies;
    using Prepare = std::function<std::pair<std::function<void(Televend&)>, std::function<bool()>>()>;
    Prepare prepare;
};

void PrintTo(const Report& report, std::ostream* os)
{
    *os << report.name;
}

// An API version report: the next major number, shown as "<major>.2.3".
Report::Prepare apiVersion(
    QString (Properties::*read)() const, void (LeaTelevend::*relay)(const LeaTelevend::ApiVersion&))
{
    return [read, relay] {
        const LeaTelevend::ApiVersion value { (properties().*read)().section('.', 0, 0).toInt() + 1, 2, 3 };
        return std::make_pair([value, relay](Televend& t) { (t.*relay)(value); },
            [value, read] { return (properties().*read)() == QString::number(value.majorNumber) + ".2.3"; });
    };
}

const Report kReports[] = {
    { "vamConnected", &Properties::vamConnectedChanged, false,
        [] {
            const bool value = !properties().vamConnected();
            return std::make_pair([value](Televend& t) { t.vamConnectedChanged(value); },
                [value] { return properties().vamConnected() == value; });
        } },
    { "tamConnected", &Properties::tamConnectedChanged, false,
        [] {
            const bool value = !properties().tamConnected();
            return std::make_pair([value](Televend& t) { t.tamConnectedChanged(value); },
                [value] { return properties().tamConnected() == value; });
        } },
    { "networkLog", &Properties::networkLogChanged, false,
        [] {
            const QString value = properties().networkLog() + "line\n";
            return std::make_pair([value](Televend& t) { t.networkLogChanged(value); },
                [value] { return properties().networkLog() == value; });
        } },
    { "pendingEvents", &Properties::pendingEventsChanged, false,
        [] {
            const int value = properties().pendingEvents() + 1;
            return std::make_pair([value](Televend& t) { t.onPendingEventsChanged(value); },
                [value] { return properties().pendingEvents() == value; });
        } },
    { "pendingVends", &Properties::pendingVendsChanged, false,
        [] {
            const int value = properties().pendingVends() + 1;
            return std::make_pair([value](Televend& t) { t.onPendingVendsChanged(value); },
                [value] { return properties().pendingVends() == value; });
        } },
    { "localVamApiVersion", &Properties::localVamApiVersionChanged, true,
        apiVersion(&Properties::localVamApiVersion, &LeaTelevend::localVamApiVersionChanged) },
    { "localTamApiVersion", &Properties::localTamApiVersionChanged, true,
        apiVersion(&Properties::localTamApiVersion, &LeaTelevend::localTamApiVersionChanged) },
    { "remoteVamApiVersion", &Properties::remoteVamApiVersionChanged, true,
        apiVersion(&Properties::remoteVamApiVersion, &LeaTelevend::remoteVamApiVersionChanged) },
    { "remoteTamApiVersion", &Properties::remoteTamApiVersionChanged, true,
        apiVersion(&Properties::remoteTamApiVersion, &LeaTelevend::remoteTamApiVersionChanged) },
    { "activationErrorDropped", &Properties::activationStatusChanged, false,
        [] {
            // Same status number; only the presence of the error differs.
            properties().setActivationStatus({ 3, 13 });
            const LeaTelevend::ActivationStatus value { 3, nonstd::nullopt };
            return std::make_pair([value](Televend& t) { t.onActivationStatusChanged(value); },
                [] { return properties().activationStatusString() == "Unknown error"; });
        } },
    { "pid", &Properties::pidChanged, false,
        [] {
            const QString value = properties().pid() + "7";
            return std::make_pair([value](Televend& t) { t.onPidChanged(value); },
                [value] { return properties().pid() == value; });
        } },
};

class TelevendReports : public TelevendTest, public ::testing::WithParamInterface<Report>
{
};

TEST_P(TelevendReports, ReachThePropertiesWhichNotifyOnlyAChange)
{
    const Report& report = GetParam();
    const auto [send, stored] = report.prepare();
    QSignalSpy changed(&properties(), report.changed);
    send(*accessor);
    send(*accessor);
    EXPECT_TRUE(stored());
    EXPECT_EQ(changed.count(), report.alwaysNotifies ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Reports, TelevendReports, ::testing::ValuesIn(kReports), caseName<Report>);

TEST_F(TelevendTest, PidIsTheReportedOneAndItsChangeIsAnnounced)
{
    QSignalSpy pidChanged(accessor.get(), &LeaTelevend::pidChanged);
    accessor->onPidChanged("PID-42");
    EXPECT_EQ(accessor->pid(), "PID-42");
    EXPECT_EQ(pidChanged.count(), 1);
}

TEST_F(TelevendTest, CloudConnectionReachesTheMachine)
{
    const std::pair<LeaTelevend::CloudConnectionStatus, bool> steps[] = {
        { LeaTelevend::ConnectedIdle, true },
        { LeaTelevend::Connecting, false },
        { LeaTelevend::ConnectedActive, true },
        { LeaTelevend::NotConnected, false },
    };
    for (const auto& [status, connected] : steps) {
        accessor->cloudConnectionStatusChanged(status);
        EXPECT_EQ(properties().cloudConnectionStatus(), int(status));
        EXPECT_EQ(gCoreEnv->machine()->isTelevendCloudConnected(), connected) << int(status);
    }
}

TEST_F(TelevendTest, OperatorRequestsReachTheClientAndItsAnswersTheProperties)
{
    std::vector<LeaTelevend::ActionType> actions;
    QObject::connect(accessor.get(), &LeaTelevend::sendAction, accessor.get(),
        [&](LeaTelevend::ActionType action) { actions.push_back(action); });
    QSignalSpy reset(accessor.get(), &LeaTelevend::sendFactoryReset);
    QSignalSpy activation(accessor.get(), &LeaTelevend::sendActivation);
    QSignalSpy networkLog(accessor.get(), &LeaTelevend::updateNetworkLog);
    properties().sendActionPullPrices();
    properties().sendFactoryResetFromQml(true);
    properties().sendActivationFromQml("10.0.0.1", "code");
    emit properties().updateNetworkLog(25);
    EXPECT_EQ(actions, std::vector<LeaTelevend::ActionType> { LeaTelevend::PullPrices });
    EXPECT_EQ(reset.value(0), QVariantList { true });
    EXPECT_EQ(activation.value(0), (QVariantList { "10.0.0.1", "code" }));
    EXPECT_EQ(networkLog.value(0), QVariantList { 25u });

    QSignalSpy ack(&properties(), &Properties::ackReceived);
    QSignalSpy nak(&properties(), &Properties::nakReceived);
    accessor->onAckReceived("prices");
    accessor->onNakReceived("refill");
    EXPECT_EQ(ack.value(0), QVariantList { "prices" });
    EXPECT_EQ(nak.value(0), QVariantList { "refill" });
}

TEST_F(TelevendTest, ANegativePageSizeIsLoggedAndNotPassedOn)
{
    QSignalSpy networkLog(accessor.get(), &LeaTelevend::updateNetworkLog);
    emit properties().updateNetworkLog(-1);
    EXPECT_EQ(networkLog.count(), 0);
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);
    EXPECT_EQ(logEntries()[0].items.value(2), "-1");
}

} // namespace
