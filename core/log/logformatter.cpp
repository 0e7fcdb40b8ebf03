#include "core/log/logformatter.h"

#include "core/log/logsink.h"

LogFormatter::LogFormatter(LogLevel::Level level)
    : m_level(level)
{
}

LogFormatter::~LogFormatter()
{
    if (!m_used)
        return;
    LogEntry entry;
    entry.level = m_level;
    entry.modules = m_modules;
    entry.items = m_stream.m_items;
    entry.text = m_stream.m_items.join(QLatin1Char(' '));
    LogSink::instance().write(entry);
}

LogStream& LogFormatter::log(const LogModules& modules)
{
    m_used = true;
    m_modules = modules.names();
    return m_stream;
}
