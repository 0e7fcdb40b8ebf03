#include "core/settings/settingsstore.h"

#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "core/log/logformatter.h"

#include <cmath>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <utility>

namespace {

const QString kTable = QStringLiteral("Settings");
const QString kKey = QStringLiteral("key");
const QString kValue = QStringLiteral("value");

const QJsonValue kAbsent(QJsonValue::Undefined);

/// Compact JSON text of `value`; empty for an undefined value or one that JSON
/// cannot hold (NaN, infinity). Qt would write every number as a double and so
/// lose integers beyond 2^53: integers and containers are written here.
QByteArray jsonText(const QJsonValue& value)
{
    const QVariant number = value.isDouble() ? value.toVariant() : QVariant();
    if (number.userType() == QMetaType::LongLong)
        return QByteArray::number(number.toLongLong());
    if (value.isUndefined() || (value.isDouble() && !std::isfinite(value.toDouble())))
        return {};
    if (!value.isArray() && !value.isObject()) {
        const QByteArray wrapped = QJsonDocument(QJsonArray { value }).toJson(QJsonDocument::Compact);
        return wrapped.mid(1, wrapped.size() - 2);
    }
    QByteArrayList items;
    for (const QJsonValue& item : value.toArray())
        items << jsonText(item);
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QByteArray member = jsonText(it.value());
        items << (member.isEmpty() ? member : jsonText(it.key()) + ':' + member);
    }
    if (items.contains(QByteArray()))
        return {};
    return value.isArray() ? '[' + items.join(',') + ']' : '{' + items.join(',') + '}';
}

/// The value of a stored text; undefined when the text is not one JSON value.
QJsonValue fromJsonText(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonArray wrapped = QJsonDocument::fromJson('[' + text + ']', &error).array();
    return error.error == QJsonParseError::NoError && wrapped.size() == 1 ? wrapped.first() : kAbsent;
}

/// Stores `text` as the value of `key`; an empty text deletes the key.
bool writeRow(QSqlDatabase db, const char* caller, const QString& key, const QByteArray& text)
{
    AbstractDatabase::Conditions where;
    where.insert(kKey, key);
    VqSqlQuery query(db, caller);
    if (text.isEmpty())
        return AbstractDatabase::prepareDELETEQuery(query, kTable, where, AbstractDatabase::AllEqual)
            && query.exec();
    const AbstractDatabase::Values value { { kValue, QString::fromUtf8(text) } };
    if (!AbstractDatabase::prepareUPDATEQuery(query, kTable, value, where, AbstractDatabase::AllEqual)
        || !query.exec())
        return false;
    if (query.numRowsAffected() > 0)
        return true;
    VqSqlQuery insert(db, caller);
    return AbstractDatabase::prepareINSERTQuery(insert, kTable, { { kKey, key }, { kValue, value.first() } })
        && insert.exec();
}

} // namespace

SettingsStore::SettingsStore(AbstractDatabase& database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
    reload();
}

SettingsStore::~SettingsStore() = default;

QJsonValue SettingsStore::value(const QString& key, const QJsonValue& fallback) const
{
    return m_values.value(key, fallback);
}

bool SettingsStore::setValue(const QString& key, const QJsonValue& value)
{
    return write({ { key, value } }, __PRETTY_FUNCTION__);
}

bool SettingsStore::setValues(const QJsonObject& values)
{
    QHash<QString, QJsonValue> changes;
    for (auto it = values.begin(); it != values.end(); ++it)
        changes.insert(it.key(), it.value());
    return write(changes, __PRETTY_FUNCTION__);
}

void SettingsStore::reload()
{
    VqSqlQuery query(m_database.database(), __PRETTY_FUNCTION__);
    query.setForwardOnly(true);
    if (!AbstractDatabase::prepareSELECTALLQuery(query, kTable) || !query.exec())
        return;
    QHash<QString, QJsonValue> values;
    while (query.next()) {
        const QString key = query.value(kKey).toString();
        const QJsonValue value = fromJsonText(query.value(kValue).toString().toUtf8());
        if (value.isUndefined())
            LogFormatter(LogLevel::Error).log(Log::Database)
                << __PRETTY_FUNCTION__ << "Unreadable setting" << key;
        else
            values.insert(key, value);
    }
    const QHash<QString, QJsonValue> previous = std::exchange(m_values, values);
    QStringList keys = previous.keys() + m_values.keys();
    keys.sort();
    keys.removeDuplicates();
    for (const QString& key : qAsConst(keys)) {
        if (jsonText(previous.value(key, kAbsent)) != jsonText(m_values.value(key, kAbsent)))
            emit valueChanged(key);
    }
}

bool SettingsStore::write(const QHash<QString, QJsonValue>& values, const char* caller)
{
    QMap<QString, QByteArray> texts; // empty text: remove the key
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QByteArray text = jsonText(it.value());
        if (it.key().isEmpty() || (text.isEmpty() && !it.value().isUndefined())) {
            LogFormatter(LogLevel::Error).log(Log::Database)
                << caller << "Setting cannot be stored:" << it.key() << it.value();
            return false;
        }
        if (text != jsonText(m_values.value(it.key(), kAbsent)))
            texts.insert(it.key(), text);
    }
    if (texts.isEmpty())
        return true;
    QSqlDatabase db = m_database.database();
    const bool open = db.transaction();
    bool saved = open;
    for (auto it = texts.cbegin(); saved && it != texts.cend(); ++it)
        saved = writeRow(db, caller, it.key(), it.value());
    if (!saved || !db.commit()) {
        const QString error = db.lastError().text();
        if (open)
            db.rollback();
        LogFormatter(LogLevel::Error).log(Log::Database)
            << caller << "Settings not saved:" << texts.keys() << error;
        return false;
    }
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (it.value().isEmpty())
            m_values.remove(it.key());
        else
            m_values.insert(it.key(), fromJsonText(it.value()));
    }
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        emit valueChanged(it.key());
    return true;
}
