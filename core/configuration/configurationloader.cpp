#include "core/configuration/configurationloader.h"

#include "core/configuration/cataloguetables.h"
#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "core/log/logformatter.h"

#include <QSqlError>
#include <QSqlQuery>

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

// --- Images -----------------------------------------------------------------

namespace db = CatalogueTables;

namespace {

AbstractDatabase::Conditions imageKey(ConfigurationLoader::ImageOwner owner, const QString& type, int id)
{
    AbstractDatabase::Conditions key;
    key.insert(db::Images::Entity, static_cast<int>(owner));
    // A null text would bind as SQL NULL, which matches nothing.
    key.insert(db::Images::Type, type.isNull() ? QString::fromLatin1("") : type);
    key.insert(db::Images::OwnerId, id);
    return key;
}

} // namespace

QByteArray ConfigurationLoader::loadImage(ImageOwner owner, const QString& type, int id) const
{
    // Listings look up an image per entry: the statement is prepared once per connection.
    static const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? AND %4 = ? AND %5 = ?")
                                   .arg(AbstractDatabase::quoteIdentifier(db::Images::Data),
                                       AbstractDatabase::quoteIdentifier(db::Images::Table),
                                       AbstractDatabase::quoteIdentifier(db::Images::Entity),
                                       AbstractDatabase::quoteIdentifier(db::Images::Type),
                                       AbstractDatabase::quoteIdentifier(db::Images::OwnerId));
    QSqlQuery* query = m_database ? m_database->preparedQuery(sql) : nullptr;
    if (!query)
        return QByteArray();
    query->addBindValue(static_cast<int>(owner));
    // A null text would bind as SQL NULL, which matches nothing.
    query->addBindValue(type.isNull() ? QString::fromLatin1("") : type);
    query->addBindValue(id);
    QByteArray data;
    if (query->exec() && query->next())
        data = query->value(0).toByteArray();
    else if (query->lastError().isValid())
        LogFormatter(LogLevel::Warning).log(Log::Database)
            << __PRETTY_FUNCTION__ << "Cannot read an image:" << query->lastError().text();
    query->finish();
    return data;
}

QByteArray ConfigurationLoader::loadNutritionalImage(const QString& type, int id) const
{
    return loadImage(ImageOwner::Nutritional, type, id);
}

QByteArray ConfigurationLoader::loadCanisterProductImage(const QString& type, int id) const
{
    return loadImage(ImageOwner::CanisterProduct, type, id);
}

QByteArray ConfigurationLoader::loadBeverageImage(const QString& type, int id) const
{
    return loadImage(ImageOwner::Beverage, type, id);
}

QByteArray ConfigurationLoader::loadCanisterImage(const QString& type, int id) const
{
    return loadImage(ImageOwner::Canister, type, id);
}

QByteArray ConfigurationLoader::loadCupTypeImage(int id) const
{
    return loadImage(ImageOwner::CupType, QString(), id);
}

QByteArray ConfigurationLoader::loadCategoryImage(int id) const
{
    return loadImage(ImageOwner::Category, QString(), id);
}

QByteArray ConfigurationLoader::loadProductFilterImage(int id) const
{
    return loadImage(ImageOwner::ProductFilter, QString(), id);
}

bool ConfigurationLoader::saveImage(ImageOwner owner, const QString& type, int id, const QByteArray& base64)
{
    const AbstractDatabase::Conditions key = imageKey(owner, type, id);
    const AbstractDatabase::Values data { { db::Images::Data, base64 } };
    {
        VqSqlQuery update(connection(), __PRETTY_FUNCTION__);
        if (!AbstractDatabase::prepareUPDATEQuery(
                update, db::Images::Table, data, key, AbstractDatabase::AllEqual)
            || !update.exec())
            return false;
        if (update.numRowsAffected() > 0)
            return true;
    }
    AbstractDatabase::Values row = data;
    for (auto it = key.cbegin(); it != key.cend(); ++it)
        row.insert(it.key(), it.value());
    VqSqlQuery insert(connection(), __PRETTY_FUNCTION__);
    return AbstractDatabase::prepareINSERTQuery(insert, db::Images::Table, row) && insert.exec();
}
