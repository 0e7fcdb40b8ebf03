#pragma once

#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"

#include <QString>

namespace bridge {
namespace persistence {

/// One statement on a table of this library, run on the active configuration
/// group's database under the name of the operation that needs it.
class TableQuery
{
public:
    TableQuery(const char* caller, const QString& table);

    /// True when the statement ran; an id without row changes nothing and is no failure.
    bool update(const AbstractDatabase::Values& values, unsigned int id);
    /// Runs the selection; the rows are read from query(). A failure leaves no rows.
    VqSqlQuery& select(const AbstractDatabase::Conditions& conditions, AbstractDatabase::WhereRule rule);

private:
    VqSqlQuery m_query;
    QString m_table;
};

} // namespace persistence
} // namespace bridge
