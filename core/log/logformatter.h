#pragma once

#include "core/log/logentry.h"
#include "core/log/loglevel.h"
#include "core/log/logmodule.h"

#include <QDebug>

/// The items of one entry. Each item is rendered as QDebug renders it (a
/// QString quoted, a C string as it stands); items are separated by one blank.
class LogStream
{
public:
    template <class T> LogStream& operator<<(const T& value)
    {
        QString item;
        QDebug(&item).nospace() << value;
        m_items << item;
        return *this;
    }

private:
    friend class LogFormatter;
    QStringList m_items;
};

/// Builds one log entry; the entry is written when the formatter is destroyed.
class LogFormatter
{
public:
    explicit LogFormatter(LogLevel::Level level);
    ~LogFormatter();

    LogFormatter(const LogFormatter&) = delete;
    LogFormatter& operator=(const LogFormatter&) = delete;

    LogStream& log(const LogModules& modules);

private:
    LogLevel::Level m_level;
    QStringList m_modules;
    LogStream m_stream;
    bool m_used = false;
};
