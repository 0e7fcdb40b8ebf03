#include "core/configuration/configurationloader.h"

#include "core/database/abstractdatabase.h"

ConfigurationLoader::ConfigurationLoader(QObject* parent)
    : QObject(parent)
{
}

ConfigurationLoader::~ConfigurationLoader() = default;

void ConfigurationLoader::setDatabase(AbstractDatabase* database)
{
    m_database = database;
}

QSqlDatabase ConfigurationLoader::connection() const
{
    return m_database ? m_database->database() : QSqlDatabase();
}
