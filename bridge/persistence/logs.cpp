#include "bridge/persistence/logs.h"

#include "bridge/persistence/linesorderenumconverter.h"
#include "bridge/persistence/loglevelenumconverter.h"
#include "bridge/persistence/logmoduleconverter.h"
#include "core/coreenvironment.h"
#include "core/log/assert.h"
#include "core/log/logformatter.h"
#include "core/log/logmanager.h"
#include "core/log/rotatinglogfile.h"
#include "core/machine/machine.h"

#include <algorithm>
#include <cstdlib>

namespace bridge {
namespace persistence {

namespace {

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");
constexpr int kSyncIntervalMs = 60000;

QString dateText(const nonstd::optional<QDate>& date)
{
    return date ? date->toString(kDateFormat) : QString();
}

} // namespace

Logs::Logs(QObject* parent)
    : lea::persistence::Logs(parent)
{
    m_syncTimer.setInterval(kSyncIntervalMs);
    m_syncTimer.setSingleShot(false);
    connect(&m_syncTimer, &QTimer::timeout, this, &Logs::syncCustomLogs);
    m_syncTimer.start();
}

Logs::~Logs() = default;

void Logs::push(Level level, Module module, const QString& message)
{
    const LogModule coreModule = LogModuleConverter::toInternalOrThrow(module);
    const LogLevel::Level coreLevel = LogLevelEnumConverter::toInternalOrThrow(level);
    LogFormatter(coreLevel).log(LogModules(coreModule)) << message;
}

QString Logs::exportEventsHistory(nonstd::optional<QDate> from, nonstd::optional<QDate> to,
    unsigned int firstCount, unsigned int secondCount) const
{
    // The core takes the counts the other way round.
    return LogManager::instance()->exportEventsHistory(
        LogManager::AllEvents, dateText(from), dateText(to), int(secondCount), int(firstCount));
}

QString Logs::exportFailureHistory() const
{
    return gCoreEnv->machine()->failuresHistoryExport().join(QLatin1Char('\n'));
}

void Logs::onDebugAssertFail(const char* expression, const char* message, const char* file, int line)
{
    printAssertMsg(expression, message, file, line);
}

void Logs::onReleaseAssertFail(const char* expression, const char* message, const char* file, int line)
{
    printReleaseAssertMsg(expression, message, file, line);
    std::exit(1);
}

lea::RotatingLogId Logs::createCustomLog(const CustomLogConfig& config)
{
    auto log = std::make_unique<RotatingLogFile>(RotatingLogFileConfiguration { 2.5f, 1, false });
    log->setSizeLimit(quint64(config.sizeLimit));
    log->setPrimaryFileName(config.file.absoluteFilePath());
    log->setSyncEachWrite(int(config.syncEachWrite));
    // A log that cannot be opened would lose every line written to it: no handle for it.
    if (!log->file().open(config.openMode)) {
        LogFormatter(LogLevel::Error).log(Log::Global)
            << Q_FUNC_INFO << log->primaryFileName() << log->file().errorString();
        return lea::RotatingLogId(nullptr);
    }
    m_customLogs.push_back(std::move(log));
    return lea::RotatingLogId(m_customLogs.back().get());
}

void Logs::pushToCustomLog(lea::RotatingLogId handle, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    if (RotatingLogFile* log = customLog(handle))
        log->write(bytes);
}

QString Logs::getCustomLogContents(lea::RotatingLogId handle, LinesOrder order)
{
    const RotatingLogFile::Order coreOrder = LinesOrderEnumConverter::toInternalOrThrow(order);
    RotatingLogFile* log = customLog(handle);
    return log ? log->totalContent(coreOrder) : QString();
}

QString Logs::getCustomLogPage(
    lea::RotatingLogId handle, unsigned int page, unsigned int linesPerPage, LinesOrder order)
{
    const RotatingLogFile::Order coreOrder = LinesOrderEnumConverter::toInternalOrThrow(order);
    RotatingLogFile* log = customLog(handle);
    return log ? log->pageContent(page, linesPerPage, coreOrder) : QString();
}

RotatingLogFile* Logs::customLog(lea::RotatingLogId handle) const
{
    const void* ptr = handle.value();
    const auto found = std::find_if(m_customLogs.begin(), m_customLogs.end(),
        [ptr](const std::unique_ptr<RotatingLogFile>& knownPtr) { return ptr == knownPtr.get(); });
    if (found != m_customLogs.end())
        return found->get();
    printAssertMsg("std::find_if(m_customLogs.begin(), m_customLogs.end(), [ptr](const "
                   "std::unique_ptr<RotatingLogFile>& knownPtr) { return ptr == knownPtr.get(); }) != "
                   "m_customLogs.end()",
        "A custom log handle must be used with the accessor that generated it", "bridge/persistence/logs",
        158);
    return nullptr;
}

void Logs::syncCustomLogs()
{
    for (const auto& log : m_customLogs)
        log->sync();
}

} // namespace persistence
} // namespace bridge
