#include "core/log/logmanager.h"

#include "core/log/history.h"

#include <algorithm>
#include <QStringList>

namespace {

const QString kEvents = QStringLiteral("log/eventsHistory");

QDate boundary(const QString& text)
{
    return QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
}

} // namespace

LogManager* LogManager::instance()
{
    static LogManager manager;
    return &manager;
}

bool LogManager::recordEvent(const QDateTime& time, const QString& text)
{
    return History(kEvents).append(time, text);
}

QString LogManager::exportEventsHistory(
    EventModuleFilter, const QString& from, const QString& to, int limit, int skip) const
{
    const QDate first = boundary(from);
    const QDate last = boundary(to);
    QStringList lines;
    int skipped = 0;
    for (const History::Row& row : History(kEvents).rows()) {
        const QDate day = row.time.date();
        if ((first.isValid() && day < first) || (last.isValid() && day > last))
            continue;
        if (skipped < skip) {
            ++skipped;
            continue;
        }
        if (limit > 0 && lines.size() >= limit)
            break;
        lines << History::line(row);
    }
    return lines.join(QLatin1Char('\n'));
}
