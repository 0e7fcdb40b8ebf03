#include "bridge/maintenance/failureidenumconverter.h"
#include "bridge/maintenance/failures.h"
#include "bridge/maintenance/resetmessageenumconverter.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/gui/guimanager.h"
#include "core/log/logsink.h"
#include "core/machine/failure.h"
#include "core/machine/machine.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"
#include "support/qtmessagecapture.h"

#include <functional>
#include <memory>
#include <set>
#include <tuple>
#include <utility>

namespace {

using LeaFailures = lea::maintenance::Failures;
using Failures = bridge::maintenance::Failures;
using lea::maintenance::FailureId;
using IdConverter = bridge::maintenance::FailureIdEnumConverter;
using CoreId = FailureCommonList::FailureID;

// The core failure of each interface value, twelve values per line.
// clang-format off
const int kCoreIds[] = {
    0x8007, 0x8057, 0x803f, 0x803e, 0x8040, 0x808f, 0x808d, 0x808e, 0x8083, 0x8082, 0x80c8, 0x8084,
    0x8041, 0x80c6, 0x80c7, 0x8069, 0x80ca, 0x802b, 0x80e9, 0x80eb, 0x80ec, 0x80ed, 0x80ea, 0x8008,
    0x80d0, 0x805a, 0x80a6, 0x80a7, 0x80df, 0x80d4, 0x80b2, 0x80b7, 0x80bc, 0x80bb, 0x8004, 0x80d2,
    0x80d5, 0x8009, 0x800f, 0x806e, 0x8013, 0x8014, 0x8015, 0x8016, 0x8017, 0x8018, 0x8019, 0x801a,
    0x801b, 0x8049, 0x804a, 0x804b, 0x804c, 0x8001, 0x8002, 0x807e, 0x8045, 0x8046, 0x80c5, 0x80c1,
    0x802e, 0x802f, 0x8030, 0x8031, 0x8032, 0x8033, 0x8034, 0x807d, 0x8076, 0x804d, 0x804e, 0x804f,
    0x8050, 0x8036, 0x8035, 0x8000, 0x80fb, 0x803b, 0x800d, 0x806b, 0x807f, 0x8078, 0x807a, 0x807c,
    0x807b, 0x8079, 0x8077, 0x8062, 0x800a, 0x806d, 0x802d, 0x80d6, 0x80d8, 0x80d7, 0x80d9, 0x80cc,
    0x809d, 0x80cd, 0x80c9, 0x80ce, 0x80cf, 0x8038, 0x8039, 0x805e, 0x800c, 0x8011, 0x8070, 0x80b8,
    0x80a0, 0x80a1, 0x808c, 0x809e, 0x809f, 0x8006, 0x8063, 0x803c, 0x805d, 0x8066, 0x805c, 0x8085,
    0x808a, 0x8088, 0x8089, 0x808b, 0x8091, 0x8087, 0x8086, 0x8092, 0x8095, 0x8097, 0x809b, 0x8093,
    0x8099, 0x80a2, 0x80a3, 0x80bd, 0x80b3, 0x80ae, 0x80be, 0x80bf, 0x80b4, 0x80af, 0x80c0, 0x8042,
    0x80f1, 0x80f0, 0x80f4, 0x80ee, 0x80f2, 0x80f5, 0x80f3, 0x80f6, 0x80f8, 0x80ef, 0x80f9, 0x80f7,
    0x80fa, 0x8075, 0x8064, 0x8065, 0x801c, 0x801d, 0x801e, 0x801f, 0x8020, 0x8021, 0x80fc, 0x80da,
    0x80e5, 0x80e8, 0x80e6, 0x80e4, 0x80e7, 0x803a, 0x80a8, 0x80a9, 0x80aa, 0x80ab, 0x80ac, 0x80ad,
    0x8059, 0x80fd, 0x800b, 0x8010, 0x806f, 0x8043, 0x8003, 0x8037, 0x8080, 0x80c2, 0x8058, 0x80ba,
    0x80b9, 0x80b5, 0x80b6, 0x80d3, 0x80db, 0x8022, 0x8023, 0x8024, 0x8025, 0x8026, 0x8027, 0x8028,
    0x8051, 0x8052, 0x8053, 0x8054, 0x8055, 0x8056, 0x8090, 0x8068, 0x80cb, 0x8012, 0x800e, 0x8096,
    0x8098, 0x809c, 0x8094, 0x809a, 0x80a4, 0x80a5, 0x80b1, 0x80c4, 0x80e2, 0x802a, 0x8029, 0x80e0,
    0x8074, 0x80c3, 0x8060, 0x8081, 0x8061, 0x8067, 0x80e3, 0x805f, 0x8047, 0x806a, 0x8048, 0x803d,
    0x8072, 0x8073, 0x8005, 0x806c, 0x8071, 0x80e1, 0x80de, 0x80dc, 0x80dd, 0x80d1, 0x8044, 0x805b,
    0x80b0, 0x802c, 0x80fe, 0x80ff, 0x8100, 0x8101, 0x8102, 0x8103, 0x8104, 0x8105, 0x8106, 0x8107,
    0x8108, 0x8109, 0x810a, 0x810b, 0x810c, 0x810d, 0x810e, 0x810f, 0x8110, 0x8111, 0x8112, 0x8113,
    0x8114, 0x8115, 0x8116, 0x8117, 0x8118, 0x8119, 0x811a, 0x811b, 0x811c, 0x811d, 0x811e, 0x811f,
    0x8120, 0x8121, 0x8122, 0x8123, 0x8124, 0x8125, 0x8126, 0x8127, 0x8128, 0x8145, 0x812d, 0x812e,
    0x812f, 0x8130, 0x8131, 0x8132, 0x8133, 0x8134, 0x8135, 0x8136, 0x8137, 0x8138, 0x8139, 0x813a,
    0x813b, 0x813c, 0x813d, 0x8147, 0x8148, 0x8149, 0x814a, 0x814b, 0x814c, 0x8142, 0x813e, 0x813f,
    0x8140, 0x8141, 0x8143, 0x8144, 0x8146, 0x814d, 0x814e, 0x8163, 0x8164, 0x8165, 0x8166,
};
// clang-format on

std::string invalidInternal(int value)
{
    return "Invalid internal enum value " + std::to_string(value) + " (" + IdConverter::converter() + ")";
}

// Every signal of one accessor, by name and argument, in the order they were emitted.
class SignalRecorder : public QObject
{
public:
    explicit SignalRecorder(LeaFailures& failures)
    {
        const auto record = [this](const char* name) { return [this, name] { m_names << name; }; };
        connect(&failures, &LeaFailures::activeFailureChanged, this, record("activeFailureChanged"));
        connect(&failures, &LeaFailures::cupFailuresChanged, this, record("cupFailuresChanged"));
        connect(&failures, &LeaFailures::cupPositionOkChanged, this, record("cupPositionOkChanged"));
        connect(&failures, &LeaFailures::cloggedFilterFailureChanged, this,
            [this](bool active) { m_names << (active ? "cloggedFilter(true)" : "cloggedFilter(false)"); });
        connect(&failures, &LeaFailures::failureActivityChanged, this,
            [this](FailureId id) { m_names << QStringLiteral("activity(%1)").arg(int(id)); });
        connect(&failures, &LeaFailures::telemetryNotification, this,
            [this](const LeaFailures::Notification& n) { notifications.push_back(n); });
    }

    /// The names recorded since the last call.
    QStringList take() { return std::exchange(m_names, {}); }

    std::vector<LeaFailures::Notification> notifications;

private:
    QStringList m_names;
};

class FailuresTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
        machine().guiManager().setCurrentLanguage(QLocale::German);
        failures = createAccessor<LeaFailures, Failures>();
        ASSERT_TRUE(failures);
        recorder = std::make_unique<SignalRecorder>(*failures);
    }

    static Machine& core() { return *gCoreEnv->machine(); }
    static Failure& coreFailure(int id) { return *core().failure(CoreId(id)); }
    static std::set<int> activeIds(const LeaFailures& failures)
    {
        std::set<int> ids;
        for (const auto& entry : failures.activeFailures())
            ids.insert(entry.first);
        return ids;
    }
    /// The one log entry written since the last call, at level 3 under Failure.
    static QStringList takeFailureLog()
    {
        const QList<LogEntry> entries = logEntries();
        clearLog();
        if (entries.size() != 1 || entries[0].level != LogLevel::Warning
            || entries[0].modules != QStringList { "Failure" })
            return { QStringLiteral("unexpected log: %1 entries").arg(entries.size()) };
        return entries[0].items;
    }

    std::unique_ptr<Failures> failures;
    std::unique_ptr<SignalRecorder> recorder;
};

TEST(FailureIdEnumConverter, EveryInterfaceValueNamesItsCoreFailureAndTheOthersHaveNone)
{
    ASSERT_EQ(std::size(kCoreIds), 335u);
    std::set<int> mapped;
    for (int value = 0; value < 335; ++value) {
        EXPECT_EQ(IdConverter::toInternalOpt(FailureId(value)), CoreId(kCoreIds[value])) << value;
        EXPECT_EQ(IdConverter::toExternalOpt(CoreId(kCoreIds[value])), FailureId(value)) << value;
        mapped.insert(kCoreIds[value]);
    }
    std::set<int> unmapped;
    for (int id = FailureCommonList::FirstFailure; id <= FailureCommonList::LastFailure; ++id) {
        if (!mapped.count(id)) {
            EXPECT_FALSE(IdConverter::toExternalOpt(CoreId(id))) << id;
            unmapped.insert(id);
        }
    }
    std::set<int> expected { 0x8129, 0x812a, 0x812b, 0x812c };
    for (int id = 0x814f; id <= 0x8162; ++id)
        expected.insert(id);
    EXPECT_EQ(unmapped, expected);
    EXPECT_FALSE(IdConverter::toInternalOpt(FailureId(335)));
    EXPECT_FALSE(IdConverter::toInternalOpt(FailureId(-1)));

    using Reset = bridge::maintenance::ResetMessageEnumConverter;
    EXPECT_EQ(Reset::toExternalOpt(Machine::NoFailureToReset), LeaFailures::NothingToReset);
    EXPECT_EQ(Reset::toExternalOpt(Machine::FailuresReset), LeaFailures::ResetDone);
    EXPECT_EQ(Reset::toExternalOpt(Machine::FailuresRemain), LeaFailures::ResetIncomplete);
    EXPECT_FALSE(Reset::toInternalOpt(LeaFailures::Reserved));
}

TEST_F(FailuresTest, FailureInfoDescribesTheCoreFailureAndUnknownIdsThrow)
{
    Failure& filter = coreFailure(FailureCommonList::CloggedWaterFilter);
    filter.setName("Filter clogged");
    const std::function<void(bool)> setters[]
        = { [&](bool on) { filter.setBlocking(on); }, [&](bool on) { filter.setResetAtStart(on); },
              [&](bool on) { filter.setDisplayed(on); }, [&](bool on) { filter.setLogged(on); } };
    for (int k = 0; k < 4; ++k) {
        for (int j = 0; j < 4; ++j)
            setters[j](j == k);
        const LeaFailures::FailureInfo info = failures->failureInfo(FailureId(17));
        EXPECT_EQ(std::make_tuple(info.blocking, info.resetAtStart, info.displayed, info.logged),
            std::make_tuple(k == 0, k == 1, k == 2, k == 3));
        EXPECT_EQ(info.name, "Filter clogged");
        ASSERT_EQ(info.translations.size(), 1u);
        EXPECT_EQ(info.translations[0].language, QLocale::German);
        EXPECT_EQ(info.translations[0].text, "Filter clogged");
        EXPECT_TRUE(info.dateTime.isNull());
    }
    const std::string invalid
        = std::string("Invalid external enum value 335 (") + IdConverter::converter() + ")";
    EXPECT_EQ(exceptionText([&] { failures->failureInfo(FailureId(335)); }), invalid);
    EXPECT_EQ(exceptionText([&] { failures->failureActive(FailureId(335)); }), invalid);
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(FailuresTest, ActiveFailuresAreListedAndEveryChangeIsSignalled)
{
    EXPECT_TRUE(failures->activeFailures().empty());
    core().setFailureActive(CoreId(0x8166), true);
    core().setFailureActive(FailureCommonList::CloggedWaterFilter, true);
    core().setFailureActive(CoreId(0x8007), true);
    EXPECT_EQ(recorder->take(),
        (QStringList { "activeFailureChanged", "activity(334)", "activeFailureChanged", "cloggedFilter(true)",
            "activity(17)", "activeFailureChanged", "activity(0)" }));
    EXPECT_EQ(activeIds(*failures), (std::set<int> { 0, 17, 334 }));
    EXPECT_EQ(failures->activeFailures().at(FailureId(334)).name, coreFailure(0x8166).name());
    EXPECT_TRUE(failures->isCloggedFilterFailureActive());
    EXPECT_TRUE(failures->failureActive(FailureId(17)));
    EXPECT_FALSE(failures->failureActive(FailureId(1)));

    coreFailure(0x8007).setName("Renamed");
    coreFailure(0x8007).setName("Renamed");
    core().setFailureActive(FailureCommonList::CloggedWaterFilter, false);
    core().setCupPositionOk(false);
    core().setCupPositionOk(false);
    EXPECT_EQ(recorder->take(),
        (QStringList { "activity(0)", "activeFailureChanged", "cloggedFilter(false)", "activity(17)",
            "cupPositionOkChanged" }));
    EXPECT_FALSE(failures->isCloggedFilterFailureActive());
    EXPECT_EQ(failures->activeFailures().at(FailureId(0)).name, "Renamed");
}

TEST_F(FailuresTest, CupFailuresAreSignalledOncePerConnectionAndTheFirstTwice)
{
    // Core id, interface id, cupFailuresChanged per change.
    const std::tuple<int, int, int> cases[] = { { 0x8003, 186, 2 }, { 0x8037, 187, 1 }, { 0x800e, 214, 1 },
        { 0x8080, 188, 1 }, { 0x8045, 56, 1 }, { 0x80e1, 245, 1 }, { 0x80e2, 224, 1 }, { 0x8007, 0, 0 } };
    for (const auto& [coreId, leaId, cupSignals] : cases) {
        for (const bool active : { true, false }) {
            core().setFailureActive(CoreId(coreId), active);
            QStringList expected { "activeFailureChanged" };
            for (int k = 0; k < cupSignals; ++k)
                expected << "cupFailuresChanged";
            expected << QStringLiteral("activity(%1)").arg(leaId);
            EXPECT_EQ(recorder->take(), expected) << coreId;
        }
    }
}

TEST_F(FailuresTest, ResetsGoThroughTheCoreAndTheSignalsFollow)
{
    coreFailure(0x8007).setUserResettable(true);
    coreFailure(0x803f).setResettable(false);
    // Failures raised, reset of all (or of the user's), result, failures still active.
    const std::tuple<std::vector<int>, bool, LeaFailures::ResetMessage, std::set<int>> steps[] = {
        { {}, false, LeaFailures::NothingToReset, {} },
        { { 0x8057 }, true, LeaFailures::NothingToReset, { 1 } },
        { { 0x8007 }, true, LeaFailures::ResetDone, { 1 } },
        { {}, false, LeaFailures::ResetDone, {} },
        { { 0x803f, 0x8007 }, false, LeaFailures::ResetIncomplete, { 2 } },
    };
    for (const auto& [raised, userOnly, result, remaining] : steps) {
        for (const int id : raised)
            core().setFailureActive(CoreId(id), true);
        const std::set<int> before = activeIds(*failures);
        recorder->take();
        EXPECT_EQ(userOnly ? failures->resetUserFailures() : failures->resetAllFailures(), result);
        EXPECT_EQ(activeIds(*failures), remaining);
        QStringList expected;
        for (const int id : before) {
            if (!remaining.count(id))
                expected << "activeFailureChanged" << QStringLiteral("activity(%1)").arg(id);
        }
        EXPECT_EQ(recorder->take(), expected);
    }
}

TEST_F(FailuresTest, TelemetryNotificationsCarryTheFailureFlagAndLastTwoTexts)
{
    coreFailure(0x802b).sendTelemetryEvent("a", true, "b", "c");
    coreFailure(0x8007).sendTelemetryEvent("x", false, "", "z");
    std::vector<std::tuple<FailureId, QString, bool, QString, QString>> received;
    for (const LeaFailures::Notification& n : recorder->notifications)
        received.emplace_back(n.id, n.info.name, n.raised, n.code, n.text);
    EXPECT_EQ(received,
        (decltype(received) { { FailureId(17), coreFailure(0x802b).name(), true, "b", "c" },
            { FailureId(0), coreFailure(0x8007).name(), false, "", "z" } }));
}

TEST_F(FailuresTest, CupsAreAvailableFromAHealthyTurret)
{
    // First turret in error, second turret declared, second in error, cups available.
    const std::tuple<bool, bool, bool, bool> cases[]
        = { { false, false, true, true }, { false, true, true, true }, { true, false, false, false },
              { true, true, false, true }, { true, true, true, false } };
    for (const auto& [firstInError, second, secondInError, available] : cases) {
        core().setInErrorCupTurret1(firstInError);
        core().setInErrorCupTurret2(secondInError);
        gCoreEnv->configuration()->setHasSecondCupTurret(second);
        EXPECT_EQ(failures->anyCupsAvailable(), available) << firstInError << second << secondInError;
    }
    // The configuration reads the second turret from the settings.
    ASSERT_TRUE(gCoreEnv->configurationGroup()->settingsStore()->setValue("cups/secondTurret", true));
    core().setInErrorCupTurret2(false);
    loadConfiguration();
    EXPECT_TRUE(failures->anyCupsAvailable());
}

TEST_F(FailuresTest, AFailureWithoutInterfaceValueIsLoggedAndSkippedWhileTheOthersGoOn)
{
    const int unmapped = 0x8129;
    const QString activity = "void bridge::maintenance::Failures::onActiveChanged(const Failure&)";
    EXPECT_NO_THROW(core().setFailureActive(CoreId(unmapped), true));
    EXPECT_EQ(takeFailureLog(), (QStringList { activity, invalidInternal(unmapped).c_str() }));
    core().setFailureActive(CoreId(0x8007), true);
    EXPECT_EQ(
        recorder->take(), (QStringList { "activeFailureChanged", "activeFailureChanged", "activity(0)" }));

    EXPECT_EQ(activeIds(*failures), std::set<int> { 0 });
    EXPECT_EQ(takeFailureLog(),
        (QStringList {
            "virtual std::map<lea::maintenance::FailureId, lea::maintenance::Failures::FailureInfo> "
            "bridge::maintenance::Failures::activeFailures() const",
            invalidInternal(unmapped).c_str() }));
    EXPECT_NO_THROW(coreFailure(unmapped).sendTelemetryEvent("a", true, "b", "c"));
    EXPECT_TRUE(recorder->notifications.empty());
    EXPECT_EQ(takeFailureLog().value(1), invalidInternal(unmapped).c_str());
    // A rename only announces the change: nothing to log.
    coreFailure(unmapped).setName("Unknown");
    EXPECT_EQ(recorder->take(), QStringList());
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(FailuresTest, AFailureTheMachineDoesNotHaveIsNeverUsed)
{
    core().discardFailure(FailureCommonList::CupFailure);
    core().discardFailure(FailureCommonList::CloggedWaterFilter);
    QtMessageCapture capture;
    const auto fresh = createAccessor<LeaFailures, Failures>();
    EXPECT_TRUE(capture.messages().isEmpty());
    for (const Failures* accessor : { failures.get(), fresh.get() }) {
        EXPECT_FALSE(accessor->isCloggedFilterFailureActive());
        EXPECT_TRUE(accessor->failureInfo(FailureId(17)).name.isEmpty());
        EXPECT_EQ(takeFailureLog(),
            (QStringList { "virtual lea::maintenance::Failures::FailureInfo "
                           "bridge::maintenance::Failures::failureInfo(lea::maintenance::FailureId) const",
                "Failure not found on this machine" }));
        EXPECT_FALSE(accessor->failureActive(FailureId(186)));
        EXPECT_EQ(takeFailureLog().value(1), "Failure not found on this machine");
    }
    core().setFailureActive(FailureCommonList::SecondCupFailure, true);
    EXPECT_EQ(
        recorder->take(), (QStringList { "activeFailureChanged", "cupFailuresChanged", "activity(187)" }));
}

TEST_F(FailuresTest, UnsupportedCallsAndForeignSendersAreReportedAndIgnored)
{
    EXPECT_TRUE(QMetaObject::invokeMethod(failures.get(), "onNotifyTelemetryEvent", Q_ARG(QString, "a"),
        Q_ARG(bool, true), Q_ARG(QString, "b"), Q_ARG(QString, "c")));
    EXPECT_TRUE(recorder->notifications.empty());
    EXPECT_TRUE(failures->failuresHistory().empty());
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].kind, LogEntry::Kind::Assertion);
    EXPECT_EQ(entries[0].items.mid(0, 2),
        (QStringList { "failure", "Sender of notifyTelemetryEvent can only be a failure" }));
    EXPECT_EQ(entries[1].kind, LogEntry::Kind::ReleaseAssertion);
    EXPECT_EQ(entries[1].items.mid(0, 2),
        (QStringList { "",
            "virtual std::vector<lea::maintenance::Failures::FailureHistory> "
            "bridge::maintenance::Failures::failuresHistory() const"
            "is not implemented." }));
    EXPECT_TRUE(entries[1].items.value(2).endsWith("bridge/maintenance/failures.cpp"));
}

// Only the cup question needs the configuration. The history's report is
// checked above; here it must be the only entry.
const GuardCase<Failures> kGuarded[] = {
    { "activeFailures", [](Failures& f) { return f.activeFailures().empty(); }, false },
    { "resetUserFailures", [](Failures& f) { return f.resetUserFailures() == LeaFailures::NothingToReset; },
        false },
    { "resetAllFailures", [](Failures& f) { return f.resetAllFailures() == LeaFailures::NothingToReset; },
        false },
    { "anyCupsAvailable", [](Failures& f) { return !f.anyCupsAvailable(); } },
    { "isCloggedFilterFailureActive", [](Failures& f) { return !f.isCloggedFilterFailureActive(); }, false },
    { "failuresHistory", [](Failures& f) { return f.failuresHistory().empty(); }, Guard::Unsupported },
    { "failureInfo", [](Failures& f) { return f.failureInfo(FailureId(17)).name == "Failure 802b"; }, false },
    { "failureActive", [](Failures& f) { return !f.failureActive(FailureId(17)); }, false },
};
GUARD_TEST(FailuresGuard, LeaFailures, Failures, kGuarded);

} // namespace
