#pragma once

// The rows that complete a product row for some product types: an upselling
// item's kind and values, a promotion's products, a coffee-to-go product's
// value. Not for use outside core/configuration.

#include "core/configuration/loadersql.h"

#include <memory>
#include <QHash>

class AbstractUpsellingItem;
class Product;

namespace productextrarows {

/// Every extra row, by product id.
struct Extras
{
    QHash<int, QSqlRecord> upsellingItems;
    /// In position order.
    QHash<int, QList<int>> promotionProducts;
    QHash<int, QSqlRecord> coffeesToGo;
};

/// Replaces the extra rows of product `id`; nothing for a type without any.
bool save(const loadersql::Sql& sql, const Product& product, int id);
bool load(const loadersql::Sql& sql, Extras& extras);
/// An upselling item of the class its row names; a plain item without row or of an unknown kind.
std::unique_ptr<AbstractUpsellingItem> newUpsellingItem(const QSqlRecord& row);
/// Gives the product its extra rows; a syrup's canister is bound later.
void fill(Product& product, const Extras& extras);

} // namespace productextrarows
