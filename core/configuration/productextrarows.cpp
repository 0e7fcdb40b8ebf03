#include "core/configuration/productextrarows.h"

#include "core/catalogue/coffeetogoproduct.h"
#include "core/catalogue/ctgupsellingitem.h"
#include "core/catalogue/promotion.h"
#include "core/catalogue/syrupupsellingitem.h"

using namespace loadersql;

namespace productextrarows {

namespace {

bool saveUpsellingItem(const Sql& sql, const AbstractUpsellingItem& item, int id)
{
    Values row { { db::Id, id }, { db::UpsellingItems::Kind, int(item.kind()) },
        { db::UpsellingItems::UpsellingType, int(item.upsellingType()) },
        { db::UpsellingItems::ItemValue, int(item.itemValue()) },
        { db::UpsellingItems::Active, item.isActive() }, { db::UpsellingItems::CtgLid, item.isCTGLid() } };
    if (const auto* syrup = qobject_cast<const SyrupUpsellingItem*>(&item)) {
        row.insert(db::UpsellingItems::LogicalCanisterId, int(syrup->logicalCanisterId()));
        row.insert(db::UpsellingItems::SyrupValue, syrup->syrupValue());
    } else if (const auto* toGo = qobject_cast<const CTGUpsellingItem*>(&item)) {
        row.insert(db::UpsellingItems::LinkedProductId, toGo->productId());
    }
    return sql.remove(db::UpsellingItems::Table, whereId(id)) && sql.insert(db::UpsellingItems::Table, row);
}

bool savePromotion(const Sql& sql, const Promotion& promotion, int id)
{
    if (!sql.remove(db::PromotionProducts::Table, where(db::PromotionProducts::PromotionId, id)))
        return false;
    const QList<int> products = promotion.beverageIds();
    for (int position = 0; position < products.size(); ++position) {
        if (!sql.insert(db::PromotionProducts::Table,
                { { db::PromotionProducts::PromotionId, id }, { db::PromotionProducts::Position, position },
                    { db::PromotionProducts::ProductId, products.at(position) } }))
            return false;
    }
    return true;
}

bool saveCoffeeToGo(const Sql& sql, const CoffeeToGoProduct& product, int id)
{
    return sql.remove(db::CoffeesToGo::Table, whereId(id))
        && sql.insert(
            db::CoffeesToGo::Table, { { db::Id, id }, { db::CoffeesToGo::Value, int(product.value()) } });
}

void fillUpsellingItem(AbstractUpsellingItem& item, const QSqlRecord& row)
{
    if (row.isEmpty())
        return;
    item.setUpsellingType(
        AbstractUpsellingItem::UpsellingType(intValue(row, db::UpsellingItems::UpsellingType)));
    item.setItemValue(quint8(intValue(row, db::UpsellingItems::ItemValue)));
    item.setIsActive(row.value(db::UpsellingItems::Active).toBool());
    if (auto* syrup = qobject_cast<SyrupUpsellingItem*>(&item)) {
        syrup->setLogicalCanisterId(
            Canister::LogicalCanisterId(intValue(row, db::UpsellingItems::LogicalCanisterId)));
        syrup->setSyrupValue(intValue(row, db::UpsellingItems::SyrupValue));
    } else if (auto* toGo = qobject_cast<CTGUpsellingItem*>(&item)) {
        toGo->setProductId(intValue(row, db::UpsellingItems::LinkedProductId));
        toGo->setCTGLid(row.value(db::UpsellingItems::CtgLid).toBool());
    }
}

} // namespace

bool save(const Sql& sql, const Product& product, int id)
{
    if (const auto* item = qobject_cast<const AbstractUpsellingItem*>(&product))
        return saveUpsellingItem(sql, *item, id);
    if (const auto* promotion = qobject_cast<const Promotion*>(&product))
        return savePromotion(sql, *promotion, id);
    if (const auto* toGo = qobject_cast<const CoffeeToGoProduct*>(&product))
        return saveCoffeeToGo(sql, *toGo, id);
    return true;
}

bool load(const Sql& sql, Extras& extras)
{
    Rows items;
    Rows links;
    Rows toGo;
    if (!sql.select(db::UpsellingItems::Table, {}, items)
        || !sql.select(db::PromotionProducts::Table, {}, links)
        || !sql.select(db::CoffeesToGo::Table, {}, toGo))
        return false;
    for (const QSqlRecord& row : items)
        extras.upsellingItems.insert(intValue(row, db::Id), row);
    sortByColumn(links, db::PromotionProducts::Position);
    for (const QSqlRecord& row : links)
        extras.promotionProducts[intValue(row, db::PromotionProducts::PromotionId)]
            << intValue(row, db::PromotionProducts::ProductId);
    for (const QSqlRecord& row : toGo)
        extras.coffeesToGo.insert(intValue(row, db::Id), row);
    return true;
}

std::unique_ptr<AbstractUpsellingItem> newUpsellingItem(const QSqlRecord& row)
{
    switch (row.isEmpty() ? AbstractUpsellingItem::PlainItem : intValue(row, db::UpsellingItems::Kind)) {
    case AbstractUpsellingItem::SyrupItem:
        return std::make_unique<SyrupUpsellingItem>();
    case AbstractUpsellingItem::CoffeeToGoItem:
        return std::make_unique<CTGUpsellingItem>();
    default:
        return std::make_unique<AbstractUpsellingItem>();
    }
}

void fill(Product& product, const Extras& extras)
{
    if (auto* item = qobject_cast<AbstractUpsellingItem*>(&product)) {
        fillUpsellingItem(*item, extras.upsellingItems.value(product.id()));
    } else if (auto* promotion = qobject_cast<Promotion*>(&product)) {
        promotion->setBeverageIds(extras.promotionProducts.value(product.id()));
    } else if (auto* toGo = qobject_cast<CoffeeToGoProduct*>(&product)) {
        const QSqlRecord row = extras.coffeesToGo.value(product.id());
        if (!row.isEmpty())
            toGo->setValue(quint8(intValue(row, db::CoffeesToGo::Value)));
    }
}

} // namespace productextrarows
