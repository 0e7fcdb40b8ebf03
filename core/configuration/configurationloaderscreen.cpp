// The selection-screen part of ConfigurationLoader: the product filters, the
// nutritional values of canisters and snacks, and each one's nutritional
// image and allergen text.

#include "core/configuration/configurationloader.h"
#include "core/configuration/loadersql.h"

using namespace loadersql;

namespace {

QString storedText(const QString& text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

} // namespace

bool ConfigurationLoader::saveNutritionalRecord(
    NutritionalOwner owner, int ownerId, NutritionalRecord& record)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    const int type = int(owner);
    NutritionalInformationList items = record.items;
    const bool saved = atomically(sql, [&] {
        if (!sql.remove(db::NutritionalValues::Table,
                where(db::NutritionalValues::OwnerType, type, db::NutritionalValues::OwnerId, ownerId))
            || !sql.remove(db::NutritionalOwners::Table,
                where(db::NutritionalOwners::OwnerType, type, db::NutritionalOwners::OwnerId, ownerId))
            || !sql.insert(db::NutritionalOwners::Table,
                { { db::NutritionalOwners::OwnerType, type }, { db::NutritionalOwners::OwnerId, ownerId },
                    { db::NutritionalOwners::Image, storedText(record.image) },
                    { db::NutritionalOwners::Allergens, storedText(record.allergens) } }))
            return false;
        for (int position = 0; position < items.size(); ++position) {
            NutritionalInformation& item = items[position];
            int id = -1;
            if (!sql.insert(db::NutritionalValues::Table,
                    { { db::NutritionalValues::OwnerType, type }, { db::NutritionalValues::OwnerId, ownerId },
                        { db::NutritionalValues::Position, position },
                        { db::NutritionalValues::Name, storedText(item.name()) },
                        { db::NutritionalValues::Value, item.value().toDouble() },
                        { db::NutritionalValues::Unit, storedText(item.unit()) } },
                    &id))
                return false;
            item.setId(id);
        }
        return true;
    });
    if (saved)
        record.items = items;
    return saved;
}

QMap<QPair<int, int>, ConfigurationLoader::NutritionalRecord>
ConfigurationLoader::loadNutritionalRecords() const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows owners;
    Rows values;
    QMap<QPair<int, int>, NutritionalRecord> records;
    if (!sql.select(db::NutritionalOwners::Table, {}, owners)
        || !sql.select(db::NutritionalValues::Table, {}, values))
        return records;
    for (const QSqlRecord& row : owners) {
        NutritionalRecord& record = records[{
            intValue(row, db::NutritionalOwners::OwnerType), intValue(row, db::NutritionalOwners::OwnerId) }];
        record.image = row.value(db::NutritionalOwners::Image).toString();
        record.allergens = row.value(db::NutritionalOwners::Allergens).toString();
    }
    sortByColumn(values, db::NutritionalValues::Position);
    for (const QSqlRecord& row : values) {
        records[{ intValue(row, db::NutritionalValues::OwnerType),
                    intValue(row, db::NutritionalValues::OwnerId) }]
                .items
            << NutritionalInformation(row.value(db::NutritionalValues::Name).toString(),
                   row.value(db::NutritionalValues::Value).toDouble(),
                   row.value(db::NutritionalValues::Unit).toString(), intValue(row, db::Id));
    }
    return records;
}

bool ConfigurationLoader::saveProductFilter(ProductFilter& filter, int position)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    int id = filter.id();
    if (!sql.upsert(db::ProductFilters::Table,
            { { db::ProductFilters::Position, position },
                { db::ProductFilters::Name, storedText(filter.name()) },
                { db::ProductFilters::AttributeBit, filter.attributeBit() },
                { db::ProductFilters::FilterNumber, filter.filterNumber() },
                { db::ProductFilters::FirstFlag, int(filter.firstFlag()) },
                { db::ProductFilters::SecondFlag, int(filter.secondFlag()) } },
            id))
        return false;
    filter.setId(id);
    return true;
}

QList<ProductFilter> ConfigurationLoader::loadProductFilters() const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    QList<ProductFilter> filters;
    if (!sql.select(db::ProductFilters::Table, {}, rows))
        return filters;
    sortByColumn(rows, db::ProductFilters::Position);
    for (const QSqlRecord& row : rows) {
        ProductFilter filter;
        filter.setId(intValue(row, db::Id));
        filter.setName(row.value(db::ProductFilters::Name).toString());
        filter.setAttributeBit(intValue(row, db::ProductFilters::AttributeBit));
        filter.setFilterNumber(intValue(row, db::ProductFilters::FilterNumber));
        filter.setFirstFlag(quint8(intValue(row, db::ProductFilters::FirstFlag)));
        filter.setSecondFlag(quint8(intValue(row, db::ProductFilters::SecondFlag)));
        filters << filter;
    }
    return filters;
}
