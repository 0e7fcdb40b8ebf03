#include "core/log/logsink.h"

#include <cstdio>

LogSink& LogSink::instance()
{
    static LogSink sink;
    return sink;
}

void LogSink::write(const LogEntry& entry)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.append(entry);
    if (m_echo) {
        const QByteArray line = QStringLiteral("[%1][%2] %3\n")
                                    .arg(int(entry.level))
                                    .arg(entry.modules.join(QLatin1Char(',')), entry.text)
                                    .toLocal8Bit();
        std::fputs(line.constData(), stderr);
    }
}

QList<LogEntry> LogSink::entries() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
}

void LogSink::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
}

void LogSink::setEchoEnabled(bool enabled)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_echo = enabled;
}
