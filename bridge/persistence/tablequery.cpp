#include "bridge/persistence/tablequery.h"

#include "bridge/persistence/tables.h"
#include "bridge/persistence/util.h"

namespace bridge {
namespace persistence {

TableQuery::TableQuery(const char* caller, const QString& table)
    : m_query(util::database(), caller)
    , m_table(table)
{
}

bool TableQuery::update(const AbstractDatabase::Values& values, unsigned int id)
{
    AbstractDatabase::Conditions conditions;
    conditions.insert(tables::Id, id);
    return AbstractDatabase::prepareUPDATEQuery(
               m_query, m_table, values, conditions, AbstractDatabase::AllEqual)
        && m_query.exec();
}

VqSqlQuery& TableQuery::select(
    const AbstractDatabase::Conditions& conditions, AbstractDatabase::WhereRule rule)
{
    m_query.setForwardOnly(true);
    if (AbstractDatabase::prepareSELECTALLQuery(m_query, m_table, conditions, rule))
        m_query.exec();
    return m_query;
}

} // namespace persistence
} // namespace bridge
