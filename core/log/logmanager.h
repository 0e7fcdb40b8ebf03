#pragma once

#include <QDateTime>
#include <QString>

/// The machine's event history: events recorded with the machine's time and
/// exported as text, one line per event.
class LogManager
{
public:
    /// Which events an export covers.
    enum EventModuleFilter : int {
        AllEvents = 0,
    };

    static LogManager* instance();

    /// Records an event at `time`; false, logged, when it could not be stored.
    bool recordEvent(const QDateTime& time, const QString& text);

    /// The events between the dates `from` and `to` ("dd/MM/yyyy", both
    /// included, empty for no bound), oldest first: `skip` of them left out,
    /// then at most `limit` (none for a limit of 0 or less), joined by line feeds.
    QString exportEventsHistory(
        EventModuleFilter filter, const QString& from, const QString& to, int limit, int skip) const;

private:
    LogManager() = default;
};
