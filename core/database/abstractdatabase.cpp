#include "core/database/abstractdatabase.h"

#include "core/log/logformatter.h"

#include <QAtomicInteger>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("machine-db-%1").arg(counter.fetchAndAddRelaxed(1));
}

struct WhereClause
{
    QString text;
    QVariantList values;
};

WhereClause whereClause(const AbstractDatabase::Conditions& conditions, AbstractDatabase::WhereRule rule)
{
    WhereClause clause;
    if (conditions.isEmpty()) {
        if (rule == AbstractDatabase::AnyEqual)
            clause.text = QStringLiteral(" WHERE 0");
        return clause;
    }
    const char* comparison = "=";
    const char* joiner = " AND ";
    switch (rule) {
    case AbstractDatabase::AllEqual:
        break;
    case AbstractDatabase::AnyEqual:
        joiner = " OR ";
        break;
    case AbstractDatabase::NoneEqual:
        comparison = "<>";
        break;
    case AbstractDatabase::Greater:
        comparison = ">";
        break;
    }
    QStringList terms;
    for (auto it = conditions.cbegin(); it != conditions.cend(); ++it) {
        terms << AbstractDatabase::quoteIdentifier(it.key()) + QLatin1Char(' ') + QLatin1String(comparison)
                + QLatin1String(" ?");
        clause.values << it.value();
    }
    clause.text = QStringLiteral(" WHERE ") + terms.join(QLatin1String(joiner));
    return clause;
}

bool prepareAndBind(QSqlQuery& query, const QString& statement, const QVariantList& values)
{
    if (!query.prepare(statement)) {
        LogFormatter(LogLevel::Error).log(Log::Database)
            << "Cannot prepare statement" << statement << query.lastError().text();
        return false;
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    return true;
}

} // namespace

AbstractDatabase::AbstractDatabase(const QString& filePath)
    : m_connectionName(nextConnectionName())
    , m_filePath(filePath)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(filePath);
    // Another connection's lock makes a statement wait this long, then fail, instead of
    // blocking the caller (Qt's default is five seconds per statement).
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open())
        LogFormatter(LogLevel::Error).log(Log::Database)
            << "Cannot open database" << filePath << db.lastError().text();
}

AbstractDatabase::~AbstractDatabase()
{
    // Kept statements go before their connection does.
    m_prepared.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase AbstractDatabase::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery* AbstractDatabase::preparedQuery(const QString& sql)
{
    auto kept = m_prepared.find(sql);
    if (kept != m_prepared.end())
        return kept->second.get();
    auto query = std::make_unique<QSqlQuery>(database());
    query->setForwardOnly(true);
    if (!query->prepare(sql)) {
        LogFormatter(LogLevel::Error).log(Log::Database)
            << "Cannot prepare" << sql << query->lastError().text();
        return nullptr;
    }
    return m_prepared.emplace(sql, std::move(query)).first->second.get();
}

QString AbstractDatabase::quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool AbstractDatabase::prepareSELECTALLQuery(
    QSqlQuery& query, const QString& table, const Conditions& conditions, WhereRule rule)
{
    const WhereClause where = whereClause(conditions, rule);
    return prepareAndBind(
        query, QStringLiteral("SELECT * FROM ") + quoteIdentifier(table) + where.text, where.values);
}

bool AbstractDatabase::prepareINSERTQuery(QSqlQuery& query, const QString& table, const Values& values)
{
    if (values.isEmpty())
        return prepareAndBind(
            query, QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(table)), {});
    QStringList columns;
    QStringList placeholders;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        columns << quoteIdentifier(it.key());
        placeholders << QStringLiteral("?");
    }
    return prepareAndBind(query,
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(quoteIdentifier(table), columns.join(QLatin1String(", ")),
                placeholders.join(QLatin1String(", "))),
        values.values());
}

bool AbstractDatabase::prepareUPDATEQuery(QSqlQuery& query, const QString& table, const Values& values,
    const Conditions& conditions, WhereRule rule)
{
    if (values.isEmpty())
        return false;
    QStringList assignments;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        assignments << quoteIdentifier(it.key()) + QStringLiteral(" = ?");
    const WhereClause where = whereClause(conditions, rule);
    return prepareAndBind(query,
        QStringLiteral("UPDATE ") + quoteIdentifier(table) + QStringLiteral(" SET ")
            + assignments.join(QLatin1String(", ")) + where.text,
        values.values() + where.values);
}

bool AbstractDatabase::prepareDELETEQuery(
    QSqlQuery& query, const QString& table, const Conditions& conditions, WhereRule rule)
{
    if (conditions.isEmpty())
        return false;
    const WhereClause where = whereClause(conditions, rule);
    return prepareAndBind(
        query, QStringLiteral("DELETE FROM ") + quoteIdentifier(table) + where.text, where.values);
}
