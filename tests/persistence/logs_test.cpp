#include "bridge/persistence/linesorderenumconverter.h"
#include "bridge/persistence/loglevelenumconverter.h"
#include "bridge/persistence/logmoduleconverter.h"
#include "bridge/persistence/logs.h"
#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/log/logmanager.h"
#include "core/machine/failure.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"
#include "support/machineaccessortest.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <stdexcept>
#include <string>

namespace {

using LeaLogs = lea::persistence::Logs;
using Logs = bridge::persistence::Logs;
using lea::RotatingLogId;

const QString kHandleExpression = QStringLiteral(
    "std::find_if(m_customLogs.begin(), m_customLogs.end(), [ptr](const std::unique_ptr<RotatingLogFile>& "
    "knownPtr) { return ptr == knownPtr.get(); }) != m_customLogs.end()");

class LogsTest : public MachineAccessorTest<LeaLogs, Logs>
{
protected:
    Logs& logs() const { return *accessor; }

    LeaLogs::CustomLogConfig config(const QString& name, uint32_t limit = 0, bool syncEachWrite = false) const
    {
        LeaLogs::CustomLogConfig result;
        result.sizeLimit = limit;
        result.file = QFileInfo(tempPath(name));
        result.syncEachWrite = syncEachWrite;
        return result;
    }

    static QByteArray fileContent(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
    }

    /// Assertion reports about a handle that this accessor did not give.
    static int handleReports()
    {
        int count = 0;
        for (const LogEntry& entry : logEntries()) {
            if (entry.kind == LogEntry::Kind::Assertion
                && entry.items
                    == QStringList { kHandleExpression,
                        QStringLiteral(
                            "A custom log handle must be used with the accessor that generated it"),
                        QStringLiteral("bridge/persistence/logs"), QStringLiteral("158") })
                ++count;
        }
        return count;
    }

    static SettingsStore& settings() { return *gCoreEnv->configurationGroup()->settingsStore(); }
};

// --- push: every level and module, both ways -------------------------------------------------------

struct LevelCase
{
    LeaLogs::Level lea;
    LogLevel::Level core;
};

const LevelCase kLevels[] = {
    { LeaLogs::Trace, LogLevel::Trace },
    { LeaLogs::Debug, LogLevel::Debug },
    { LeaLogs::Warning, LogLevel::Warning },
    { LeaLogs::Error, LogLevel::Error },
    { LeaLogs::Fatal, LogLevel::Fatal },
};

struct ModuleCase
{
    LeaLogs::Module lea;
    const LogModule* core;
};

const ModuleCase kModules[] = {
    { LeaLogs::Configuration, &Log::Configuration },
    { LeaLogs::Database, &Log::Database },
    { LeaLogs::Global, &Log::Global },
    { LeaLogs::InputOutput, &Log::InputOutput },
    { LeaLogs::Payment, &Log::Payment },
    { LeaLogs::Playlist, &Log::Playlist },
    { LeaLogs::Product, &Log::Product },
    { LeaLogs::Customization, &Log::Customization },
};

// Every level and module reaches the core log as itself, and reads back as the interface's value.
TEST_F(LogsTest, PushReachesTheCoreLogAtTheLevelUnderTheModuleAndConvertsBack)
{
    for (const LevelCase& c : kLevels) {
        clearLog();
        logs().push(c.lea, LeaLogs::Global, QStringLiteral("level line"));
        ASSERT_EQ(logEntries().size(), 1) << c.lea;
        EXPECT_EQ(logEntries()[0].level, c.core) << c.lea;
        EXPECT_EQ(logEntries()[0].text, QStringLiteral("\"level line\""));
        EXPECT_EQ(bridge::persistence::LogLevelEnumConverter::toExternalOpt(c.core), c.lea);
        EXPECT_EQ(bridge::persistence::LogLevelEnumConverter::toInternalOpt(c.lea), c.core);
    }
    for (const ModuleCase& c : kModules) {
        clearLog();
        logs().push(LeaLogs::Error, c.lea, QStringLiteral("module line"));
        ASSERT_EQ(logEntries().size(), 1) << c.lea;
        EXPECT_EQ(logEntries()[0].modules, QStringList { c.core->name() }) << c.lea;
        EXPECT_EQ(logEntries()[0].level, LogLevel::Error);
        EXPECT_EQ(bridge::persistence::LogModuleConverter::toExternalOpt(*c.core), c.lea);
    }
}

TEST(LogModuleConverter, CoreModulesAndTheInfoLevelWithoutInterfaceValueGiveNone)
{
    EXPECT_FALSE(bridge::persistence::LogLevelEnumConverter::toExternalOpt(LogLevel::Info));
    for (const LogModule* module : { &Log::None, &Log::Recipe, &Log::Machine, &Log::MultiMachines })
        EXPECT_FALSE(bridge::persistence::LogModuleConverter::toExternalOpt(*module))
            << qPrintable(module->name());
}

struct InvalidPushCase
{
    const char* name;
    int level;
    int module;
    const char* converter;
};

const InvalidPushCase kInvalidPushes[] = {
    { "Level", 5, 2, "LogLevel::Level; ExternalType = lea::persistence::Logs::Level" },
    { "NegativeLevel", -1, 2, "LogLevel::Level; ExternalType = lea::persistence::Logs::Level" },
    { "Module", 0, 8, "LogModuleConverter" },
    { "Both", 5, 8, "LogModuleConverter" },
};

class InvalidPushTest : public LogsTest, public ::testing::WithParamInterface<InvalidPushCase>
{
};

TEST_P(InvalidPushTest, ThrowsNamingTheConverterAndWritesNothing)
{
    const InvalidPushCase& entry = GetParam();
    try {
        logs().push(LeaLogs::Level(entry.level), LeaLogs::Module(entry.module), QStringLiteral("lost"));
        FAIL() << "no exception";
    } catch (const std::invalid_argument& e) {
        const std::string text = e.what();
        const int value = std::string(entry.converter) == "LogModuleConverter" ? entry.module : entry.level;
        EXPECT_EQ(text.rfind("Invalid external enum value " + std::to_string(value) + " (", 0), 0u) << text;
        EXPECT_NE(text.find(entry.converter), std::string::npos) << text;
    }
    EXPECT_TRUE(logEntries().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, InvalidPushTest, ::testing::ValuesIn(kInvalidPushes), caseName<InvalidPushCase>);

// --- histories --------------------------------------------------------------------------------------

struct EventsCase
{
    const char* name;
    nonstd::optional<QDate> from;
    nonstd::optional<QDate> to;
    unsigned int first;
    unsigned int second;
    QString expected;
};

const QString kMarch4 = QStringLiteral("04/03/2024 08:00:00 boot");
const QString kMarch5 = QStringLiteral("05/03/2024 09:30:00 door opened");
const QString kMarch6 = QStringLiteral("06/03/2024 23:59:59 cleaning");

const EventsCase kEvents[] = {
    { "All", {}, {}, 0, 0, kMarch4 + '\n' + kMarch5 + '\n' + kMarch6 },
    { "OneDay", QDate(2024, 3, 5), QDate(2024, 3, 5), 0, 0, kMarch5 },
    { "From", QDate(2024, 3, 5), {}, 0, 0, kMarch5 + '\n' + kMarch6 },
    { "To", {}, QDate(2024, 3, 5), 0, 0, kMarch4 + '\n' + kMarch5 },
    // The third argument skips, the fourth limits: the core gets them the other way round.
    { "Limit", {}, {}, 0, 2, kMarch4 + '\n' + kMarch5 },
    { "Skip", {}, {}, 2, 0, kMarch6 },
    { "SkipAndLimit", {}, {}, 1, 1, kMarch5 },
    { "Nothing", QDate(2025, 1, 1), {}, 0, 0, QString() },
};

class EventsHistoryTest : public LogsTest, public ::testing::WithParamInterface<EventsCase>
{
};

TEST_P(EventsHistoryTest, ExportsTheRecordedEvents)
{
    LogManager& manager = *LogManager::instance();
    ASSERT_TRUE(manager.recordEvent(QDateTime(QDate(2024, 3, 4), QTime(8, 0)), QStringLiteral("boot")));
    ASSERT_TRUE(
        manager.recordEvent(QDateTime(QDate(2024, 3, 5), QTime(9, 30)), QStringLiteral("door opened")));
    ASSERT_TRUE(
        manager.recordEvent(QDateTime(QDate(2024, 3, 6), QTime(23, 59, 59)), QStringLiteral("cleaning")));
    const EventsCase& entry = GetParam();
    EXPECT_EQ(logs().exportEventsHistory(entry.from, entry.to, entry.first, entry.second), entry.expected);
}

INSTANTIATE_TEST_SUITE_P(Filters, EventsHistoryTest, ::testing::ValuesIn(kEvents), caseName<EventsCase>);

TEST_F(LogsTest, FailureHistoryListsLoggedFailuresOnePerLine)
{
    EXPECT_EQ(logs().exportFailureHistory(), QString());
    gCoreEnv->clock()->setSimulatedTime(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    Machine& machine = *gCoreEnv->machine();
    Failure* logged = machine.failure(FailureCommonList::FailureID(0x802b));
    Failure* unlogged = machine.failure(FailureCommonList::FailureID(0x8007));
    ASSERT_TRUE(logged && unlogged);
    logged->setLogged(true);
    logged->setName(QStringLiteral("Grinder"));
    machine.setFailureActive(logged->id(), true);
    machine.setFailureActive(unlogged->id(), true);
    EXPECT_EQ(logs().exportFailureHistory(), QStringLiteral("05/03/2024 10:00:00 0x802b Grinder"));

    machine.setFailureActive(logged->id(), false);
    gCoreEnv->clock()->advanceSeconds(60);
    machine.setFailureActive(logged->id(), true);
    EXPECT_EQ(logs().exportFailureHistory(),
        QStringLiteral("05/03/2024 10:00:00 0x802b Grinder\n05/03/2024 10:01:00 0x802b Grinder"));
}

struct DamagedCase
{
    const char* name;
    const char* key;
    std::function<QString(const Logs&)> exportText;
};

const DamagedCase kDamaged[] = {
    { "Events", "log/eventsHistory",
        [](const Logs& l) { return l.exportEventsHistory(nonstd::nullopt, nonstd::nullopt, 0, 0); } },
    { "Failures", "machine/failuresHistory", [](const Logs& l) { return l.exportFailureHistory(); } },
};

class DamagedHistoryTest : public LogsTest, public ::testing::WithParamInterface<DamagedCase>
{
};

TEST_P(DamagedHistoryTest, RowThatDoesNotParseIsLoggedAndSkipped)
{
    const QJsonObject good { { "time", "2024-03-05T10:00:00" }, { "text", "kept" } };
    ASSERT_TRUE(settings().setValue(QLatin1String(GetParam().key),
        QJsonArray { good, QJsonObject { { "time", "yesterday" }, { "text", "bad time" } },
            QJsonObject { { "time", "2024-03-05T11:00:00" }, { "text", 3 } }, QStringLiteral("not a row"),
            good }));
    EXPECT_EQ(
        GetParam().exportText(logs()), QStringLiteral("05/03/2024 10:00:00 kept\n05/03/2024 10:00:00 kept"));
    const QList<LogEntry> skipped = logEntriesContaining(QStringLiteral("does not parse"));
    ASSERT_EQ(skipped.size(), 3);
    for (const LogEntry& entry : skipped)
        EXPECT_EQ(entry.level, LogLevel::Error);

    clearLog();
    ASSERT_TRUE(settings().setValue(QLatin1String(GetParam().key), QStringLiteral("garbage")));
    EXPECT_EQ(GetParam().exportText(logs()), QString());
    EXPECT_EQ(logEntriesContaining(QStringLiteral("is not a list of rows")).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Histories, DamagedHistoryTest, ::testing::ValuesIn(kDamaged), caseName<DamagedCase>);

// --- assertions ---------------------------------------------------------------------------------------

TEST_F(LogsTest, DebugAssertionIsReportedAndReturns)
{
    logs().onDebugAssertFail("x > 0", "x must be positive", "ui/main.qml", 42);
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].kind, LogEntry::Kind::Assertion);
    EXPECT_EQ(logEntries()[0].items, (QStringList { "x > 0", "x must be positive", "ui/main.qml", "42" }));
}

TEST_F(LogsTest, ReleaseAssertionIsReportedAndEndsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            LogSink::instance().setEchoEnabled(true);
            logs().onReleaseAssertFail("ready", "machine not ready", "ui/sale.qml", 7);
        },
        ::testing::ExitedWithCode(1), "machine not ready in file ui/sale.qml, line 7");
}

// --- custom logs --------------------------------------------------------------------------------------

TEST_F(LogsTest, CustomLogRotatesAtItsLimitAndKeepsOneFullFile)
{
    const RotatingLogId handle = logs().createCustomLog(config(QStringLiteral("custom.log"), 12));
    ASSERT_NE(handle.value(), nullptr);
    for (const char* line : { "one\n", "two\n", "three\n", "four\n", "five\n" })
        logs().pushToCustomLog(handle, QString::fromLatin1(line));

    EXPECT_EQ(logs().getCustomLogContents(handle, LeaLogs::OldestFirst), QStringLiteral("three\nfour\nfive"));
    EXPECT_EQ(logs().getCustomLogContents(handle, LeaLogs::NewestFirst), QStringLiteral("five\nfour\nthree"));
    EXPECT_EQ(fileContent(tempPath(QStringLiteral("custom.log.1"))), QByteArray("three\nfour\n"));
    EXPECT_EQ(fileContent(tempPath(QStringLiteral("custom.log"))), QByteArray("five\n"));
    EXPECT_FALSE(QFile::exists(tempPath(QStringLiteral("custom.log.2"))));
    EXPECT_EQ(handleReports(), 0);
}

struct PageCase
{
    unsigned int page;
    unsigned int linesPerPage;
    LeaLogs::LinesOrder order;
    QString expected;
};

const PageCase kPages[] = {
    { 0, 2, LeaLogs::OldestFirst, "l1\nl2" },
    { 1, 2, LeaLogs::OldestFirst, "l3\nl4" },
    { 2, 2, LeaLogs::OldestFirst, "l5" },
    { 3, 2, LeaLogs::OldestFirst, "" },
    { 0, 2, LeaLogs::NewestFirst, "l5\nl4" },
    { 2, 2, LeaLogs::NewestFirst, "l1" },
    { 0, 0, LeaLogs::OldestFirst, "" },
    { 0, 4294967295u, LeaLogs::OldestFirst, "l1\nl2\nl3\nl4\nl5" },
    { 4294967295u, 4294967295u, LeaLogs::NewestFirst, "" },
};

class PageTest : public LogsTest, public ::testing::WithParamInterface<PageCase>
{
};

TEST_P(PageTest, PagesReadBackInOrder)
{
    const RotatingLogId handle = logs().createCustomLog(config(QStringLiteral("paged.log")));
    for (int line = 1; line <= 5; ++line)
        logs().pushToCustomLog(handle, QStringLiteral("l%1\n").arg(line));
    const PageCase& entry = GetParam();
    EXPECT_EQ(logs().getCustomLogPage(handle, entry.page, entry.linesPerPage, entry.order), entry.expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageTest, ::testing::ValuesIn(kPages));

TEST_F(LogsTest, TextIsWrittenUnchangedAndReachesTheDiskAsConfigured)
{
    const RotatingLogId synced = logs().createCustomLog(config(QStringLiteral("synced.log"), 0, true));
    const RotatingLogId buffered = logs().createCustomLog(config(QStringLiteral("buffered.log")));
    logs().pushToCustomLog(synced, QStringLiteral("caf\u00e9 "));
    logs().pushToCustomLog(buffered, QStringLiteral("tea"));
    EXPECT_EQ(fileContent(tempPath(QStringLiteral("synced.log"))), QByteArray("caf\xc3\xa9 "));
    EXPECT_EQ(fileContent(tempPath(QStringLiteral("buffered.log"))), QByteArray());

    logs().pushToCustomLog(buffered, QStringLiteral(" again"));
    EXPECT_EQ(logs().getCustomLogContents(buffered, LeaLogs::OldestFirst), QStringLiteral("tea again"));
}

TEST_F(LogsTest, DestroyingTheAccessorClosesEveryLogWithItsLines)
{
    auto other = createAccessor<LeaLogs, Logs>();
    const RotatingLogId first = other->createCustomLog(config(QStringLiteral("first.log")));
    const RotatingLogId second = other->createCustomLog(config(QStringLiteral("second.log")));
    ASSERT_NE(first, second);
    other->pushToCustomLog(first, QStringLiteral("a\n"));
    other->pushToCustomLog(second, QStringLiteral("b\n"));
    other.reset();
    EXPECT_EQ(fileContent(tempPath(QStringLiteral("first.log"))), QByteArray("a\n"));
    EXPECT_EQ(fileContent(tempPath(QStringLiteral("second.log"))), QByteArray("b\n"));
}

TEST_F(LogsTest, LogThatCannotBeOpenedGivesNoHandle)
{
    LeaLogs::CustomLogConfig unreachable = config(QStringLiteral("missing/dir/custom.log"));
    const RotatingLogId handle = logs().createCustomLog(unreachable);
    EXPECT_EQ(handle.value(), nullptr);
    const QList<LogEntry> reported = logEntriesContaining(QStringLiteral("missing/dir/custom.log"));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_EQ(reported[0].level, LogLevel::Error);
    EXPECT_TRUE(reported[0].items.value(0).contains(QStringLiteral("::createCustomLog(")));

    logs().pushToCustomLog(handle, QStringLiteral("lost?"));
    EXPECT_EQ(logs().getCustomLogContents(handle, LeaLogs::OldestFirst), QString());
    EXPECT_EQ(handleReports(), 2);
    EXPECT_FALSE(QDir(tempPath(QStringLiteral("missing"))).exists());
}

struct ForeignHandleCase
{
    const char* name;
    std::function<void(Logs&, RotatingLogId)> use;
};

const ForeignHandleCase kForeignUses[] = {
    { "Push", [](Logs& l, RotatingLogId h) { l.pushToCustomLog(h, QStringLiteral("intruder\n")); } },
    { "Contents",
        [](Logs& l, RotatingLogId h) { EXPECT_EQ(l.getCustomLogContents(h, LeaLogs::OldestFirst), ""); } },
    { "Page",
        [](Logs& l, RotatingLogId h) { EXPECT_EQ(l.getCustomLogPage(h, 0, 9, LeaLogs::NewestFirst), ""); } },
};

class ForeignHandleTest : public LogsTest, public ::testing::WithParamInterface<ForeignHandleCase>
{
};

TEST_P(ForeignHandleTest, HandleOfAnotherAccessorIsReportedAndRefused)
{
    auto owner = createAccessor<LeaLogs, Logs>();
    const RotatingLogId foreign = owner->createCustomLog(config(QStringLiteral("owned.log"), 0, true));
    owner->pushToCustomLog(foreign, QStringLiteral("mine\n"));
    const RotatingLogId own = logs().createCustomLog(config(QStringLiteral("own.log"), 0, true));
    ASSERT_NE(own.value(), nullptr);
    clearLog();

    GetParam().use(logs(), foreign);
    GetParam().use(logs(), RotatingLogId(nullptr));
    EXPECT_EQ(handleReports(), 2);
    EXPECT_EQ(fileContent(tempPath(QStringLiteral("owned.log"))), QByteArray("mine\n"));
    EXPECT_EQ(fileContent(tempPath(QStringLiteral("own.log"))), QByteArray());
    EXPECT_EQ(owner->getCustomLogContents(foreign, LeaLogs::OldestFirst), QStringLiteral("mine"));

    // A handle whose accessor is gone is refused as well.
    owner.reset();
    clearLog();
    GetParam().use(logs(), foreign);
    EXPECT_EQ(handleReports(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ForeignHandleTest, ::testing::ValuesIn(kForeignUses), caseName<ForeignHandleCase>);

TEST_F(LogsTest, InvalidOrderThrowsBeforeTheHandleIsLookedAt)
{
    for (const int order : { 2, -1 }) {
        EXPECT_THROW(logs().getCustomLogContents(RotatingLogId(nullptr), LeaLogs::LinesOrder(order)),
            std::invalid_argument);
        EXPECT_THROW(logs().getCustomLogPage(RotatingLogId(nullptr), 0, 1, LeaLogs::LinesOrder(order)),
            std::invalid_argument);
    }
    EXPECT_EQ(handleReports(), 0);
}

// --- without configuration ----------------------------------------------------------------------------

const GuardCase<Logs> kGuarded[] = {
    { "exportEventsHistory",
        [](Logs& l) { return l.exportEventsHistory(nonstd::nullopt, nonstd::nullopt, 0, 0).isEmpty(); },
        Guard::None },
    { "exportFailureHistory", [](Logs& l) { return l.exportFailureHistory().isEmpty(); }, Guard::None },
};
GUARD_TEST(LogsGuard, LeaLogs, Logs, kGuarded);

} // namespace
