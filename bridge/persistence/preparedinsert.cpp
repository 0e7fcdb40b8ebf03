#include "bridge/persistence/preparedinsert.h"

#include "bridge/persistence/util.h"
#include "core/database/vqsqlquery.h"

#include <algorithm>
#include <cstring>
#include <QSqlResult>

namespace bridge {
namespace persistence {

namespace {

/// Whether the query holds a live SQLite statement. Closing a connection
/// finalizes its statements while the driver lives on.
bool holdsStatement(const QSqlQuery& query)
{
    const QVariant handle = query.result() ? query.result()->handle() : QVariant();
    return handle.isValid() && std::strcmp(handle.typeName(), "sqlite3_stmt*") == 0
        && *static_cast<void* const*>(handle.constData()) != nullptr;
}

/// Whether the builder bound the values one by one in the map's order, which
/// is what rebinding them by position repeats.
bool boundInOrder(const QSqlQuery& query, const AbstractDatabase::Values& values)
{
    if (query.boundValues().size() != values.size())
        return false;
    int position = 0;
    for (const QVariant& value : values) {
        if (query.boundValue(position++) != value)
            return false;
    }
    return true;
}

} // namespace

PreparedInsert::PreparedInsert(const QString& table)
    : m_table(table)
{
}

PreparedInsert::~PreparedInsert() = default;

nonstd::optional<unsigned int> PreparedInsert::insert(
    const char* caller, const AbstractDatabase::Values& values)
{
    const QSqlDatabase database = util::database();
    if (isPreparedFor(database, caller, values)) {
        int position = 0;
        for (const QVariant& value : values)
            m_query->bindValue(position++, value);
    } else if (!prepare(database, caller, values)) {
        return nonstd::nullopt;
    }
    if (!m_query->exec()) {
        // A refused row may leave the statement in any state.
        forget();
        return nonstd::nullopt;
    }
    bool ok = false;
    const unsigned int id = m_query->lastInsertId().toUInt(&ok);
    if (!ok)
        return nonstd::nullopt;
    return id;
}

bool PreparedInsert::isPreparedFor(
    const QSqlDatabase& database, const char* caller, const AbstractDatabase::Values& values) const
{
    return m_query && m_driver && m_driver == database.driver() && m_driver->isOpen() && m_caller == caller
        && holdsStatement(*m_query)
        && std::equal(values.keyBegin(), values.keyEnd(), m_columns.cbegin(), m_columns.cend());
}

bool PreparedInsert::prepare(
    const QSqlDatabase& database, const char* caller, const AbstractDatabase::Values& values)
{
    forget();
    m_query = std::make_unique<VqSqlQuery>(database, caller);
    if (!AbstractDatabase::prepareINSERTQuery(*m_query, m_table, values))
        return false;
    if (database.isValid() && holdsStatement(*m_query) && boundInOrder(*m_query, values)) {
        m_driver = database.driver();
        m_caller = caller;
        m_columns = values.keys();
    }
    return true;
}

void PreparedInsert::forget()
{
    m_driver.clear();
    m_caller = nullptr;
    m_columns.clear();
}

} // namespace persistence
} // namespace bridge
