#pragma once

#include "core/database/abstractdatabase.h"
#include "nonstd/optional.hpp"

#include <memory>
#include <QPointer>
#include <QSqlDriver>
#include <QString>

class VqSqlQuery;

namespace bridge {
namespace persistence {

/// The INSERT of one table, kept prepared between rows on the same
/// connection: a writer that adds rows one by one pays for the statement
/// once. The core's builder prepares it; later rows with the same columns
/// only bind their values. Another connection, caller or column set, or a
/// refused row, makes the next row prepare it afresh.
class PreparedInsert
{
public:
    explicit PreparedInsert(const QString& table);
    ~PreparedInsert();

    PreparedInsert(const PreparedInsert&) = delete;
    PreparedInsert& operator=(const PreparedInsert&) = delete;

    /// Inserts a row on the active configuration group's database under the
    /// caller's name; the new row's id, or nothing when the database refused it.
    nonstd::optional<unsigned int> insert(const char* caller, const AbstractDatabase::Values& values);

private:
    bool isPreparedFor(
        const QSqlDatabase& database, const char* caller, const AbstractDatabase::Values& values) const;
    bool prepare(const QSqlDatabase& database, const char* caller, const AbstractDatabase::Values& values);
    void forget();

    QString m_table;
    std::unique_ptr<VqSqlQuery> m_query;
    // Set only while m_query holds a statement that rebinding may reuse.
    QPointer<QSqlDriver> m_driver;
    const char* m_caller = nullptr;
    QStringList m_columns;
};

} // namespace persistence
} // namespace bridge
