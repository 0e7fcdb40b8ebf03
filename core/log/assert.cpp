#include "core/log/assert.h"

#include "core/log/logmodule.h"
#include "core/log/logsink.h"

namespace {

void report(LogEntry::Kind kind, const char* expression, const char* message, const char* file, int line)
{
    LogEntry entry;
    entry.kind = kind;
    entry.level = kind == LogEntry::Kind::ReleaseAssertion ? LogLevel::Fatal : LogLevel::Error;
    entry.modules = QStringList { Log::Global.name() };
    entry.items = QStringList { QString::fromUtf8(expression), QString::fromUtf8(message),
        QString::fromUtf8(file), QString::number(line) };
    entry.text = QStringLiteral("ASSERT: \"%1\" %2 in file %3, line %4")
                     .arg(entry.items.at(0), entry.items.at(1), entry.items.at(2), entry.items.at(3));
    LogSink::instance().write(entry);
}

} // namespace

void printAssertMsg(const char* expression, const char* message, const char* file, int line)
{
    report(LogEntry::Kind::Assertion, expression, message, file, line);
}

void printReleaseAssertMsg(const char* expression, const char* message, const char* file, int line)
{
    report(LogEntry::Kind::ReleaseAssertion, expression, message, file, line);
}

void printWarningMsg(const char* message, const char* file, int line)
{
    LogEntry entry;
    entry.level = LogLevel::Warning;
    entry.modules = QStringList { Log::Global.name() };
    entry.items = QStringList { QString::fromUtf8(message), QString::fromUtf8(file), QString::number(line) };
    entry.text = QStringLiteral("WARNING: %1 in file %2, line %3")
                     .arg(entry.items.at(0), entry.items.at(1), entry.items.at(2));
    LogSink::instance().write(entry);
}
