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

nonstd::optional<unsigned int> TableQuery::insert(const AbstractDatabase::Values& values)
{
    if (!AbstractDatabase::prepareINSERTQuery(m_query, m_table, values) || !m_query.exec())
        return nonstd::nullopt;
    bool ok = false;
    const unsigned int id = m_query.lastInsertId().toUInt(&ok);
    if (!ok)
        return nonstd::nullopt;
    return id;
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
