#include "core/database/vqsqlquery.h"

#include "core/log/logformatter.h"

#include <QSqlError>

VqSqlQuery::VqSqlQuery(QSqlDatabase database, const char* caller)
    : QSqlQuery(database)
    , m_caller(caller ? caller : "")
{
}

bool VqSqlQuery::exec()
{
    if (QSqlQuery::exec())
        return true;
    LogFormatter(LogLevel::Error).log(Log::Database) << m_caller << "Query failed:" << lastError().text();
    return false;
}
