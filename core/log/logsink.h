#pragma once

#include "core/log/logentry.h"

#include <mutex>
#include <QList>

/// Where finished log entries go: standard error and an in-memory record that
/// tests and diagnostics can read back.
class LogSink
{
public:
    static LogSink& instance();

    void write(const LogEntry& entry);

    QList<LogEntry> entries() const;
    void clear();

    /// Whether entries are echoed to standard error (on by default).
    void setEchoEnabled(bool enabled);

private:
    LogSink() = default;

    mutable std::mutex m_mutex;
    QList<LogEntry> m_entries;
    bool m_echo = true;
};
