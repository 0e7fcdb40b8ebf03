#pragma once

// Statement helpers of the loader's catalogue and product parts: every
// statement named after its operation, values bound, multi-statement writes
// all or nothing. Not for use outside core/configuration.

#include "core/catalogue/canister.h"
#include "core/configuration/cataloguetables.h"
#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "core/log/logformatter.h"
#include "nonstd/optional.hpp"

#include <algorithm>
#include <QList>
#include <QMap>
#include <QSqlRecord>
#include <utility>

namespace loadersql {

namespace db = CatalogueTables;

using Values = AbstractDatabase::Values;
using Conditions = AbstractDatabase::Conditions;
using Rows = QList<QSqlRecord>;
using CanisterMap = QMap<Canister::LogicalCanisterId, Canister*>;

inline Conditions where(const QString& column, const QVariant& value)
{
    Conditions conditions;
    conditions.insert(column, value);
    return conditions;
}

inline Conditions where(
    const QString& column, const QVariant& value, const QString& column2, const QVariant& value2)
{
    Conditions conditions = where(column, value);
    conditions.insert(column2, value2);
    return conditions;
}

inline Conditions whereId(int id)
{
    return where(db::Id, id);
}

inline QVariant textValue(const nonstd::optional<QString>& text)
{
    // A present empty text is stored as such, so that it does not read back as absent.
    if (!text)
        return QVariant(QVariant::String);
    return text->isNull() ? QString(QLatin1String("")) : *text;
}

inline nonstd::optional<QString> optionalText(const QSqlRecord& row, const QString& column)
{
    const QVariant value = row.value(column);
    if (value.isNull())
        return nonstd::nullopt;
    return value.toString();
}

inline int intValue(const QSqlRecord& row, const QString& column)
{
    return row.value(column).toInt();
}

/// The statements of one loader operation, all named after it.
class Sql
{
public:
    Sql(QSqlDatabase db, const char* caller)
        : m_db(std::move(db))
        , m_caller(caller)
    {
    }

    bool select(const QString& table, const Conditions& conditions, Rows& rows) const
    {
        rows.clear();
        VqSqlQuery query(m_db, m_caller);
        if (!AbstractDatabase::prepareSELECTALLQuery(query, table, conditions) || !query.exec())
            return false;
        while (query.next())
            rows << query.record();
        return true;
    }

    bool insert(const QString& table, const Values& values, int* newId = nullptr) const
    {
        VqSqlQuery query(m_db, m_caller);
        if (!AbstractDatabase::prepareINSERTQuery(query, table, values) || !query.exec())
            return false;
        if (newId)
            *newId = query.lastInsertId().toInt();
        return true;
    }

    bool update(const QString& table, const Values& values, const Conditions& conditions,
        int* affected = nullptr) const
    {
        VqSqlQuery query(m_db, m_caller);
        if (!AbstractDatabase::prepareUPDATEQuery(
                query, table, values, conditions, AbstractDatabase::AllEqual)
            || !query.exec())
            return false;
        if (affected)
            *affected = query.numRowsAffected();
        return true;
    }

    bool remove(const QString& table, const Conditions& conditions) const
    {
        VqSqlQuery query(m_db, m_caller);
        return AbstractDatabase::prepareDELETEQuery(query, table, conditions, AbstractDatabase::AllEqual)
            && query.exec();
    }

    /// Updates row `id`, or inserts it when there is none; a negative id
    /// inserts a new row and takes its id.
    bool upsert(const QString& table, const Values& values, int& id) const
    {
        if (id >= 0) {
            int affected = 0;
            if (!update(table, values, whereId(id), &affected))
                return false;
            if (affected > 0)
                return true;
            Values row = values;
            row.insert(db::Id, id);
            return insert(table, row);
        }
        return insert(table, values, &id);
    }

    /// One past the highest `column` of the rows matching `conditions`.
    bool nextPosition(
        const QString& table, const QString& column, const Conditions& conditions, int& next) const
    {
        Rows rows;
        if (!select(table, conditions, rows))
            return false;
        next = 0;
        for (const QSqlRecord& row : rows)
            next = std::max(next, row.value(column).toInt() + 1);
        return true;
    }

    QSqlDatabase database() const { return m_db; }
    const char* caller() const { return m_caller; }

private:
    QSqlDatabase m_db;
    const char* m_caller;
};

/// Makes the writes of one operation all or nothing: a transaction of its own,
/// or a savepoint when the caller already opened one.
class Savepoint
{
public:
    explicit Savepoint(const Sql& sql)
        : m_sql(sql)
        , m_db(sql.database())
    {
        m_ownTransaction = m_db.transaction();
        m_open = m_ownTransaction || run("SAVEPOINT catalogue_write");
    }

    ~Savepoint()
    {
        if (!m_open)
            return;
        if (m_ownTransaction) {
            m_db.rollback();
        } else {
            run("ROLLBACK TO catalogue_write");
            run("RELEASE catalogue_write");
        }
    }

    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    bool isOpen() const { return m_open; }

    /// Keeps the writes when `ok`; otherwise (or when they cannot be kept) undoes them.
    bool finish(bool ok)
    {
        if (!m_open || !ok)
            return false;
        if (m_ownTransaction ? m_db.commit() : run("RELEASE catalogue_write")) {
            m_open = false;
            return true;
        }
        return false;
    }

private:
    bool run(const char* statement) const
    {
        VqSqlQuery query(m_db, m_sql.caller());
        return query.prepare(QLatin1String(statement)) && query.exec();
    }

    const Sql& m_sql;
    QSqlDatabase m_db;
    bool m_ownTransaction = false;
    bool m_open = false;
};

template <class Operation> bool atomically(const Sql& sql, Operation&& operation)
{
    Savepoint savepoint(sql);
    if (!savepoint.isOpen())
        return false;
    return savepoint.finish(operation());
}

inline void logFailure(const char* caller, const QString& what)
{
    LogFormatter(LogLevel::Error).log(Log::Database) << caller << what;
}

inline void sortByColumn(Rows& rows, const QString& column)
{
    std::stable_sort(rows.begin(), rows.end(), [&column](const QSqlRecord& a, const QSqlRecord& b) {
        return std::make_pair(intValue(a, column), intValue(a, db::Id))
            < std::make_pair(intValue(b, column), intValue(b, db::Id));
    });
}

} // namespace loadersql
