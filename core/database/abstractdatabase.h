#pragma once

#include <map>
#include <memory>
#include <QMap>
#include <QMultiMap>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

class QSqlQuery;

/// A SQLite database of the machine, with the statement builders that every
/// table access goes through. Values are always bound, never pasted; table and
/// column names are quoted identifiers.
class AbstractDatabase
{
public:
    /// How the conditions of a statement combine.
    enum WhereRule {
        AllEqual = 0, ///< every listed column equals its value
        AnyEqual = 1, ///< at least one listed column equals its value
        NoneEqual = 2, ///< each listed column differs from its value
        Greater = 3, ///< each listed column is greater than its value
    };

    using Values = QMap<QString, QVariant>;
    using Conditions = QMultiMap<QString, QVariant>;

    /// How long a statement waits for another connection's lock before it fails.
    static constexpr int BusyTimeoutMs = 250;

    /// Opens (and creates if needed) the SQLite file at `filePath`.
    explicit AbstractDatabase(const QString& filePath);
    virtual ~AbstractDatabase();

    AbstractDatabase(const AbstractDatabase&) = delete;
    AbstractDatabase& operator=(const AbstractDatabase&) = delete;

    QSqlDatabase database() const;
    QString filePath() const { return m_filePath; }

    /// SELECT * FROM table [WHERE conditions]. No condition selects every row,
    /// except under AnyEqual, where an empty list matches nothing.
    static bool prepareSELECTALLQuery(
        QSqlQuery& query, const QString& table, const Conditions& conditions = {}, WhereRule rule = AllEqual);
    /// INSERT INTO table (columns) VALUES (values).
    static bool prepareINSERTQuery(QSqlQuery& query, const QString& table, const Values& values);
    /// UPDATE table SET values [WHERE conditions]; fails on an empty value map.
    static bool prepareUPDATEQuery(QSqlQuery& query, const QString& table, const Values& values,
        const Conditions& conditions, WhereRule rule);

    /// DELETE FROM table WHERE conditions; fails without a condition, so that
    /// no table is emptied by accident.
    static bool prepareDELETEQuery(
        QSqlQuery& query, const QString& table, const Conditions& conditions, WhereRule rule);

    static QString quoteIdentifier(const QString& name);

    /// The statement `sql`, prepared once on this connection and kept for the
    /// next call; null when it does not prepare. Callers bind, execute and
    /// then finish() it, so that it holds no lock between uses.
    QSqlQuery* preparedQuery(const QString& sql);

private:
    QString m_connectionName;
    QString m_filePath;
    std::map<QString, std::unique_ptr<QSqlQuery>> m_prepared;
};
