#pragma once

#include "lea/persistence/logs.h"

#include <memory>
#include <QTimer>
#include <vector>

class RotatingLogFile;

namespace bridge {
namespace persistence {

/// The machine log for the user interface: lines pushed into the central log,
/// the event and failure histories as text, assertion reports, and custom
/// rotating logs that callers reach through the handles this accessor gives.
class Logs : public lea::persistence::Logs
{
    Q_OBJECT

public:
    explicit Logs(QObject* parent);
    ~Logs() override;

    /// Throws std::invalid_argument for a module or level without core value (the module first).
    void push(Level level, Module module, const QString& message) override;
    QString exportEventsHistory(nonstd::optional<QDate> from, nonstd::optional<QDate> to,
        unsigned int firstCount, unsigned int secondCount) const override;
    QString exportFailureHistory() const override;
    void onDebugAssertFail(const char* expression, const char* message, const char* file, int line) override;
    /// Reports the assertion and ends the process with exit status 1.
    [[noreturn]] void onReleaseAssertFail(
        const char* expression, const char* message, const char* file, int line) override;
    /// The handle of the new log; a null handle, logged, when its file cannot be opened.
    lea::RotatingLogId createCustomLog(const CustomLogConfig& config) override;
    /// A handle this accessor did not give is reported and nothing is written.
    void pushToCustomLog(lea::RotatingLogId handle, const QString& text) override;
    /// Throws std::invalid_argument for an order without core value; empty for a handle this accessor did not
    /// give.
    QString getCustomLogContents(lea::RotatingLogId handle, LinesOrder order) override;
    QString getCustomLogPage(
        lea::RotatingLogId handle, unsigned int page, unsigned int linesPerPage, LinesOrder order) override;

private:
    /// The custom log that `handle` names, or null, reported, when this accessor gave no such handle.
    RotatingLogFile* customLog(lea::RotatingLogId handle) const;
    void syncCustomLogs();

    // Declared first, destroyed last: the timer goes before the logs it syncs.
    std::vector<std::unique_ptr<RotatingLogFile>> m_customLogs;
    QTimer m_syncTimer;
};

} // namespace persistence
} // namespace bridge
