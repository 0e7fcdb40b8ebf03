#include "core/configuration/configurationgroup.h"

#include "core/configuration/translationsmanager.h"
#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"

namespace {

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS TypedStrings (id INTEGER PRIMARY KEY, type INTEGER NOT NULL, original TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS TypedString_Translations (string_id INTEGER NOT NULL, language INTEGER NOT NULL, "
    "text TEXT NOT NULL)",
};

void createSchema(AbstractDatabase& database)
{
    for (const char* statement : kSchema) {
        VqSqlQuery query(database.database(), __PRETTY_FUNCTION__);
        if (query.prepare(QString::fromLatin1(statement)))
            query.exec();
    }
}

} // namespace

ConfigurationGroup::ConfigurationGroup(const QString& databasePath, QObject* parent)
    : QObject(parent)
    , m_database(std::make_unique<AbstractDatabase>(databasePath))
{
    createSchema(*m_database);
    m_translations = std::make_unique<TranslationsManager>(*m_database);
}

ConfigurationGroup::~ConfigurationGroup() = default;
