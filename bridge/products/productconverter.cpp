#include "bridge/products/productconverter.h"

#include "bridge/products/productattributeenumconverter.h"
#include "bridge/products/producttypeenumconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/abstractupsellingitem.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/coffeetogoproduct.h"
#include "core/catalogue/snack.h"
#include "core/catalogue/videoplaylist.h"
#include "lea/helpers/flags.h"

namespace bridge {
namespace products {

ProductConverter::BasicProduct ProductConverter::coreProductToLeaBasicProduct(const Product& product)
{
    BasicProduct record;
    record.name = product.name();
    record.enabledFlag = product.isEnabled();
    record.available = product.isAvailable();
    record.attributes = coreAttributesToLeaAttributes(product.productAttributeRole());
    record.productType = ProductTypeEnumConverter::toExternalOrThrow(product.productType());
    if (product.itemNumber() >= 0)
        record.itemNumber = product.itemNumber();
    record.extraText = product.extraText();
    if (const auto* toGo = qobject_cast<const CoffeeToGoProduct*>(&product))
        record.typeSpecificValue = toGo->coffeeToGoNumber();
    else if (const auto* snack = qobject_cast<const Snack*>(&product))
        record.typeSpecificValue = snack->snackNumber();
    if (const VideoPlaylist* playlist = product.videoPlaylist(); playlist && playlist->id() >= 0)
        record.playlistId = playlist->id();
    if (const nonstd::optional<TypedString::StringType> type
        = stringTypeForProductType(product.productType()))
        record.translations = utils::translations(record.name, *type);
    if (const auto* beverage = qobject_cast<const Beverage*>(&product);
        beverage && beverage->isUpsellingEnabled()) {
        for (const AbstractUpsellingItem* item : beverage->upsellings(true))
            record.upsellings.push_back(lea::ProductDbId(item ? unsigned(std::max(item->id(), 0)) : 0u));
    }
    return record;
}

int ProductConverter::leaAttributesToCoreAttributes(const std::set<Attribute>& attributes)
{
    int mask = Product::NoAttribute;
    for (const Attribute attribute : attributes)
        mask |= ProductAttributeEnumConverter::toInternalOrThrow(attribute);
    return mask;
}

std::set<ProductConverter::Attribute> ProductConverter::coreAttributesToLeaAttributes(int attributes)
{
    return lea::helpers::internalFlagsToExternalSetSecure<ProductAttributeEnumConverter>(
        static_cast<Product::ProductAttribute>(attributes));
}

nonstd::optional<TypedString::StringType> ProductConverter::stringTypeForProductType(
    Product::ProductType type)
{
    switch (type) {
    case Product::Beverage:
    case Product::SpecialProduct:
        return TypedString::BeverageName;
    case Product::Snack:
        return TypedString::SnackName;
    case Product::Promotion:
        return TypedString::PromotionName;
    case Product::CoffeeToGoProduct:
        return TypedString::CoffeeToGoName;
    case Product::UpsellingItem:
        return TypedString::UpsellingName;
    default:
        return nonstd::nullopt;
    }
}

} // namespace products
} // namespace bridge
