#pragma once

#include "lea/ids.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QDate>
#include <QFileInfo>
#include <QIODevice>
#include <QObject>
#include <QString>

namespace lea {
namespace persistence {

/// Accessor of the machine log and custom logs.
class Logs : public QObject
{
    Q_OBJECT

public:
    enum Level : int32_t {
        Trace = 0,
        Debug = 1,
        Warning = 2,
        Error = 3,
        Fatal = 4,
    };

    /// The part of the machine a log line is filed under.
    enum Module : int32_t {
        Configuration = 0,
        Database = 1,
        Global = 2,
        InputOutput = 3,
        Payment = 4,
        Playlist = 5,
        Product = 6,
        Customization = 7,
    };

    /// The order in which the lines of a custom log are read back.
    enum LinesOrder : int32_t {
        NewestFirst = 0,
        OldestFirst = 1,
    };

    /// How a custom log is made.
    struct CustomLogConfig
    {
        /// Size in bytes at which the log moves on to a fresh file; 0 never does.
        uint32_t sizeLimit = 0;
        QFileInfo file;
        /// Every write reaches the disk at once instead of at the next sync.
        bool syncEachWrite = false;
        QIODevice::OpenMode openMode = QIODevice::WriteOnly | QIODevice::Append;
    };

    ~Logs() override = default;

    virtual void push(Level level, Module module, const QString& message) = 0;
    virtual QString exportEventsHistory(nonstd::optional<QDate> from, nonstd::optional<QDate> to,
        unsigned int firstCount, unsigned int secondCount) const = 0;
    virtual QString exportFailureHistory() const = 0;
    virtual void onDebugAssertFail(const char* expression, const char* message, const char* file, int line)
        = 0;
    virtual void onReleaseAssertFail(const char* expression, const char* message, const char* file, int line)
        = 0;
    virtual RotatingLogId createCustomLog(const CustomLogConfig& config) = 0;
    virtual void pushToCustomLog(RotatingLogId handle, const QString& text) = 0;
    virtual QString getCustomLogContents(RotatingLogId handle, LinesOrder order) = 0;
    virtual QString getCustomLogPage(
        RotatingLogId handle, unsigned int page, unsigned int linesPerPage, LinesOrder order)
        = 0;

protected:
    explicit Logs(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace persistence
} // namespace lea
