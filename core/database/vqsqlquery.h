#pragma once

#include <QSqlQuery>

/// A query named after the operation that runs it; a failed execution is
/// logged under that name.
class VqSqlQuery : public QSqlQuery
{
public:
    VqSqlQuery(QSqlDatabase database, const char* caller);

    /// Executes the prepared statement; true on success.
    bool exec();

    const char* caller() const { return m_caller; }

private:
    const char* m_caller;
};
