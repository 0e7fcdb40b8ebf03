#include "core/log/history.h"

#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/settings/settingsstore.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const QString kTime = QStringLiteral("time");
const QString kText = QStringLiteral("text");

SettingsStore* store()
{
    return gCoreEnv && gCoreEnv->configurationGroup() ? gCoreEnv->configurationGroup()->settingsStore()
                                                      : nullptr;
}

} // namespace

History::History(const QString& key)
    : m_key(key)
{
}

bool History::append(const QDateTime& time, const QString& text) const
{
    SettingsStore* settings = store();
    if (!settings)
        return false;
    QJsonArray rows = settings->value(m_key).toArray();
    rows.append(QJsonObject { { kTime, time.toString(Qt::ISODate) }, { kText, text } });
    if (settings->setValue(m_key, rows))
        return true;
    LogFormatter(LogLevel::Error).log(Log::Database) << Q_FUNC_INFO << m_key << "row not stored";
    return false;
}

QList<History::Row> History::rows() const
{
    QList<Row> result;
    const SettingsStore* settings = store();
    if (!settings)
        return result;
    const QJsonValue stored = settings->value(m_key, QJsonArray());
    if (!stored.isArray()) {
        LogFormatter(LogLevel::Error).log(Log::Database) << Q_FUNC_INFO << m_key << "is not a list of rows";
        return result;
    }
    const QJsonArray rows = stored.toArray();
    for (int index = 0; index < rows.size(); ++index) {
        const QJsonObject row = rows.at(index).toObject();
        const QDateTime time = QDateTime::fromString(row.value(kTime).toString(), Qt::ISODate);
        if (!time.isValid() || !row.value(kText).isString()) {
            LogFormatter(LogLevel::Error).log(Log::Database)
                << Q_FUNC_INFO << m_key << "row" << index << "does not parse; skipped";
            continue;
        }
        result.append({ time, row.value(kText).toString() });
    }
    return result;
}

QString History::line(const Row& row)
{
    return row.time.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) + QLatin1Char(' ') + row.text;
}
