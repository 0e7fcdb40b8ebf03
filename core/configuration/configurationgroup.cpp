#include "core/configuration/configurationgroup.h"

#include "core/configuration/translationsmanager.h"
#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "core/log/logformatter.h"
#include "core/settings/settingsstore.h"

#include <QFile>
#include <QSqlRecord>

namespace {

/// The statements of the schema resource: each ends with ';' at the end of a
/// line; lines starting with "--" are comments.
QStringList schemaStatements()
{
    QFile file(QStringLiteral(":/core/schema.sql"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        LogFormatter(LogLevel::Error).log(Log::Database)
            << __PRETTY_FUNCTION__ << "Cannot read the schema" << file.fileName();
        return {};
    }
    QStringList statements;
    QString statement;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        statement += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';'))) {
            statements << statement.trimmed();
            statement.clear();
        }
    }
    if (!statement.trimmed().isEmpty())
        statements << statement.trimmed();
    return statements;
}

void createSchema(AbstractDatabase& database)
{
    // One transaction: one disk flush for the whole schema instead of one per table.
    QSqlDatabase db = database.database();
    const bool transaction = db.transaction();
    for (const QString& statement : schemaStatements()) {
        VqSqlQuery query(db, __PRETTY_FUNCTION__);
        if (query.prepare(statement))
            query.exec();
    }
    if (transaction)
        db.commit();
}

/// Gives a database made before a column was added that column, with its default.
void addMissingColumns(AbstractDatabase& database)
{
    struct Column
    {
        const char* table;
        const char* name;
        const char* definition;
    };
    static const Column kAdded[] = {
        { "VideoPlaylists", "typeFlags", "INTEGER NOT NULL DEFAULT 0" },
        { "VideoPlaylists", "mode", "INTEGER NOT NULL DEFAULT 0" },
        { "VideoPlaylists", "type", "INTEGER NOT NULL DEFAULT 0" },
        { "VideoPlaylists", "amiclo_id", "TEXT NOT NULL DEFAULT ''" },
        { "VideoPlaylists", "random", "INTEGER NOT NULL DEFAULT 0" },
        { "VideoPlaylists", "management_option", "INTEGER NOT NULL DEFAULT 0" },
        { "VideoPlaylists", "extra_text", "TEXT" },
    };
    const QSqlDatabase db = database.database();
    for (const Column& column : kAdded) {
        if (db.record(QLatin1String(column.table)).contains(QLatin1String(column.name)))
            continue;
        // Names and definitions are the constants above, never outside text.
        VqSqlQuery query(db, __PRETTY_FUNCTION__);
        if (query.prepare(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                              .arg(QLatin1String(column.table), QLatin1String(column.name),
                                  QLatin1String(column.definition))))
            query.exec();
    }
}

} // namespace

ConfigurationGroup::ConfigurationGroup(const QString& databasePath, QObject* parent)
    : QObject(parent)
    , m_database(std::make_unique<AbstractDatabase>(databasePath))
{
    createSchema(*m_database);
    addMissingColumns(*m_database);
    m_translations = std::make_unique<TranslationsManager>(*m_database);
    m_settings = std::make_unique<SettingsStore>(*m_database);
    VqSqlQuery infos(m_database->database(), __PRETTY_FUNCTION__);
    if (infos.prepare(QStringLiteral("SELECT connectivity_id FROM ConfigurationGroup_Infos")) && infos.exec()
        && infos.next())
        m_connectivityId = infos.value(0).toString();
}

ConfigurationGroup::~ConfigurationGroup() = default;
