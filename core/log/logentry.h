#pragma once

#include "core/log/loglevel.h"

#include <QStringList>

/// One complete entry of the machine log.
struct LogEntry
{
    enum class Kind {
        Message,
        Assertion, ///< a failed assertion; the caller went on
        ReleaseAssertion, ///< a failed release assertion; the caller stopped the operation
    };

    LogLevel::Level level = LogLevel::Info;
    QStringList modules;
    /// The streamed items, each rendered alone (texts quoted).
    QStringList items;
    /// The items joined by one blank.
    QString text;
    Kind kind = Kind::Message;
};
