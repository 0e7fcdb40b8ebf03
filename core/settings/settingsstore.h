#pragma once

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QObject>

class AbstractDatabase;

/// The saved settings of every area but the catalogue: one row of the
/// "Settings" table per key ("<area>/<setting>"), the value as compact JSON.
/// A write reported true reads back unchanged after reload(), 64-bit integers
/// too (but Qt 5 rounds those inserted into a QJsonArray or QJsonObject beyond
/// 2^53; parsed ones keep all bits). A refused write is logged and changes
/// neither the table nor the values held here.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    /// Reads the table of `database`, which must outlive the store.
    explicit SettingsStore(AbstractDatabase& database, QObject* parent = nullptr);
    ~SettingsStore() override;

    /// The stored value of `key`, or `fallback` when there is none.
    QJsonValue value(const QString& key, const QJsonValue& fallback = QJsonValue()) const;
    bool contains(const QString& key) const { return m_values.contains(key); }

    /// Stores one value; an undefined value removes the key. False when the
    /// database refuses or the value has no JSON text (NaN, infinity).
    bool setValue(const QString& key, const QJsonValue& value);
    /// Stores every member of `values`: all or nothing. Each write is a
    /// transaction of its own, refused inside another one.
    bool setValues(const QJsonObject& values);

    /// Re-reads the table; valueChanged() follows for each key that differs.
    void reload();

signals:
    /// A key's value was changed, added or removed; not sent for an equal value.
    void valueChanged(const QString& key);

private:
    bool write(const QHash<QString, QJsonValue>& values, const char* caller);

    AbstractDatabase& m_database;
    QHash<QString, QJsonValue> m_values;
};
