// The product part of ConfigurationLoader: products of every type in one id
// space, a beverage's recipe link and upselling list, images and playlists.

#include "core/catalogue/abstractupsellingitem.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/coffeetogoproduct.h"
#include "core/catalogue/cupproduct.h"
#include "core/catalogue/promotion.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/snack.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/loadersql.h"
#include "core/configuration/productextrarows.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QStringList>

using namespace loadersql;

namespace {

const QString SourceImage = QStringLiteral("source");

QString failuresText(const QList<int>& failures)
{
    QStringList texts;
    for (const int failure : failures)
        texts << QString::number(failure);
    return texts.join(QLatin1Char(','));
}

QList<int> failuresFromText(const QString& text)
{
    QList<int> failures;
    for (const QString& piece : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        failures << piece.toInt();
    return failures;
}

/// The image file a product points to, read as base64; empty when it is no readable local file.
QByteArray localImage(const QUrl& url)
{
    if (!url.isLocalFile())
        return QByteArray();
    QFile file(url.toLocalFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QVariant optionalId(int id)
{
    return id >= 0 ? QVariant(id) : QVariant(QVariant::Int);
}

Values productRow(const Product& product, int configurationId)
{
    Values row { { db::Products::ConfigurationId, configurationId },
        { db::Products::Type, int(product.productType()) },
        { db::Products::Name, product.name().isNull() ? QString(QLatin1String("")) : product.name() },
        { db::Products::Displayed, product.isDisplayed() }, { db::Products::Enabled, product.isEnabled() },
        { db::Products::Attributes, product.productAttributeRole() },
        { db::Products::ItemNumber, product.itemNumber() },
        { db::Products::PlaylistId,
            optionalId(product.videoPlaylist() ? product.videoPlaylist()->id() : -1) },
        { db::Products::Image, product.image().toString() },
        { db::Products::DispensingImage, product.dispensingImage().toString() },
        { db::Products::ImageHash, product.imageHash() }, { db::Products::StatusInfo, product.statusInfo() },
        { db::Products::Customizable, product.isCustomizationAvailable() },
        { db::Products::BlockingFailures, failuresText(product.blockingFailures()) },
        { db::Products::ExtraText, textValue(product.extraText()) } };
    if (const auto* snack = qobject_cast<const Snack*>(&product))
        row.insert(db::Products::TypeValue, snack->snackNumber());
    else if (const auto* toGo = qobject_cast<const CoffeeToGoProduct*>(&product))
        row.insert(db::Products::TypeValue, toGo->coffeeToGoNumber());
    else if (const auto* special = qobject_cast<const SpecialProduct*>(&product))
        row.insert(db::Products::TypeValue, int(special->cupToDropFromTurret()));
    if (const auto* beverage = qobject_cast<const Beverage*>(&product)) {
        row.insert(db::Products::JugEnabled, beverage->isJugEnabled());
        row.insert(db::Products::JugDefault, beverage->jugDefaultValue());
        row.insert(db::Products::JugMinCycles, beverage->minNumberOfCycles());
        row.insert(db::Products::JugMaxCycles, beverage->maxNumberOfCycles());
        row.insert(db::Products::JugDefaultCycles, beverage->defaultNumberOfCycles());
        row.insert(db::Products::LidId, optionalId(beverage->lidId()));
        row.insert(db::Products::UpsellingEnabled, beverage->isUpsellingEnabled());
    }
    return row;
}

std::unique_ptr<Product> newProduct(Product::ProductType type)
{
    switch (type) {
    case Product::Beverage:
        return std::make_unique<Beverage>();
    case Product::Snack:
        return std::make_unique<Snack>();
    case Product::SpecialProduct:
        return std::make_unique<SpecialProduct>();
    case Product::Promotion:
        return std::make_unique<Promotion>();
    case Product::CoffeeToGoProduct:
        return std::make_unique<CoffeeToGoProduct>();
    case Product::UpsellingItem:
        return std::make_unique<AbstractUpsellingItem>();
    default:
        return nullptr;
    }
}

template <class Object> Object* byId(const QList<Object*>& objects, int id, int (Object::*idOf)() const)
{
    const auto it = std::find_if(
        objects.cbegin(), objects.cend(), [&](const Object* object) { return (object->*idOf)() == id; });
    return it == objects.cend() ? nullptr : *it;
}

/// The product of a row; null for a type the machine does not know.
std::unique_ptr<Product> productFromRow(const QSqlRecord& row, const QList<VideoPlaylist*>& playlists,
    const Rows& upsellings, const productextrarows::Extras& extras)
{
    const Product::ProductType type = Product::ProductType(intValue(row, db::Products::Type));
    std::unique_ptr<Product> product = type == Product::UpsellingItem
        ? productextrarows::newUpsellingItem(extras.upsellingItems.value(intValue(row, db::Id)))
        : newProduct(type);
    if (!product)
        return nullptr;
    product->setId(intValue(row, db::Id));
    product->setName(row.value(db::Products::Name).toString());
    product->setDisplayed(row.value(db::Products::Displayed).toBool());
    product->setEnabled(row.value(db::Products::Enabled).toBool());
    product->setProductAttributeRole(intValue(row, db::Products::Attributes));
    product->setItemNumber(intValue(row, db::Products::ItemNumber));
    const QVariant playlist = row.value(db::Products::PlaylistId);
    if (!playlist.isNull())
        product->setVideoPlaylist(byId(playlists, playlist.toInt(), &VideoPlaylist::id));
    product->setImage(QUrl(row.value(db::Products::Image).toString()));
    product->setDispensingImage(QUrl(row.value(db::Products::DispensingImage).toString()));
    product->setImageHash(row.value(db::Products::ImageHash).toString());
    product->setStatusInfo(row.value(db::Products::StatusInfo).toString());
    product->setCustomizationAvailable(row.value(db::Products::Customizable).toBool());
    product->setBlockingFailures(failuresFromText(row.value(db::Products::BlockingFailures).toString()));
    product->setExtraText(optionalText(row, db::Products::ExtraText));
    productextrarows::fill(*product, extras);
    const int typeValue = intValue(row, db::Products::TypeValue);
    if (auto* snack = qobject_cast<Snack*>(product.get()))
        snack->setSnackNumber(typeValue);
    else if (auto* toGo = qobject_cast<CoffeeToGoProduct*>(product.get()))
        toGo->setCoffeeToGoNumber(typeValue);
    else if (auto* special = qobject_cast<SpecialProduct*>(product.get()))
        special->setCupToDropFromTurret(Product::CupToDropFromTurretEnum(typeValue));
    if (auto* beverage = qobject_cast<Beverage*>(product.get())) {
        beverage->setJugEnabled(row.value(db::Products::JugEnabled).toBool());
        beverage->setJugDefaultValue(row.value(db::Products::JugDefault).toBool());
        beverage->setMinNumberOfCycles(intValue(row, db::Products::JugMinCycles));
        beverage->setMaxNumberOfCycles(intValue(row, db::Products::JugMaxCycles));
        beverage->setDefaultNumberOfCycles(intValue(row, db::Products::JugDefaultCycles));
        const QVariant lid = row.value(db::Products::LidId);
        beverage->setLidId(lid.isNull() ? -1 : lid.toInt());
        beverage->setUpsellingEnabled(row.value(db::Products::UpsellingEnabled).toBool());
        QList<QPair<int, int>> layout;
        for (const QSqlRecord& link : upsellings) {
            if (intValue(link, db::BeverageUpsellings::BeverageId) == beverage->id())
                layout << qMakePair(intValue(link, db::BeverageUpsellings::ItemId),
                    intValue(link, db::BeverageUpsellings::Position));
        }
        beverage->setUpsellingsLayout(layout);
    }
    return product;
}

} // namespace

bool ConfigurationLoader::saveProduct(Product* product, int configurationId)
{
    if (!product)
        return false;
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    const QByteArray image = localImage(product->image());
    const QString imageHash = image.isEmpty()
        ? product->imageHash()
        : QString::fromLatin1(QCryptographicHash::hash(image, QCryptographicHash::Md5).toHex());
    int id = product->id();
    const bool saved = atomically(sql, [&] {
        Values row = productRow(*product, configurationId);
        row.insert(db::Products::ImageHash, imageHash);
        if (!sql.upsert(db::Products::Table, row, id))
            return false;
        if (!productextrarows::save(sql, *product, id))
            return false;
        if (const auto* beverage = qobject_cast<const Beverage*>(product)) {
            const Recipe* recipe = beverage->recipe();
            int beverageId = id;
            if (!sql.upsert(db::Beverages::Table,
                    { { db::Beverages::ConfigurationId, configurationId },
                        { db::Beverages::RecipeId, optionalId(recipe ? recipe->dbId() : -1) } },
                    beverageId)
                || !sql.remove(db::BeverageUpsellings::Table, where(db::BeverageUpsellings::BeverageId, id)))
                return false;
            const QList<int> items = beverage->upsellingIds();
            const QList<Beverage::UpsellingLayoutItem> layout = beverage->upsellingsLayout();
            for (int i = 0; i < items.size(); ++i) {
                if (!sql.insert(db::BeverageUpsellings::Table,
                        { { db::BeverageUpsellings::BeverageId, id },
                            { db::BeverageUpsellings::Position, layout.at(i).position },
                            { db::BeverageUpsellings::ItemId, items.at(i) } }))
                    return false;
            }
        }
        return image.isEmpty() || saveImage(ImageOwner::Beverage, SourceImage, id, image.toBase64());
    });
    if (!saved)
        return false;
    product->setId(id);
    product->setImageHash(imageHash);
    return true;
}

bool ConfigurationLoader::saveBeverage(Beverage* beverage, int configurationId)
{
    return saveProduct(beverage, configurationId);
}

bool ConfigurationLoader::saveSnack(Snack* snack, int configurationId)
{
    return saveProduct(snack, configurationId);
}

bool ConfigurationLoader::saveSpecialProduct(SpecialProduct* product, int configurationId)
{
    return saveProduct(product, configurationId);
}

bool ConfigurationLoader::savePromotion(Promotion* promotion, int configurationId)
{
    return saveProduct(promotion, configurationId);
}

bool ConfigurationLoader::saveCoffeeToGo(CoffeeToGoProduct* product, int configurationId)
{
    return saveProduct(product, configurationId);
}

bool ConfigurationLoader::saveUpselling(AbstractUpsellingItem* item)
{
    return saveProduct(item, -1);
}

bool ConfigurationLoader::saveProductPrice(const Product* product)
{
    if (!product)
        return false;
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    const int id = product->id();
    if (id < 0) {
        logFailure(sql.caller(), QStringLiteral("A product that is not stored has no prices to store"));
        return false;
    }
    const BeveragePrice& prices = product->beveragePrice();
    return atomically(sql, [&] {
        if (!sql.remove(db::ProductPrices::Table, where(db::ProductPrices::ProductId, id)))
            return false;
        for (int band = 0; band < BeveragePrice::TimeBandCount; ++band) {
            for (int type = 0; type < BeveragePrice::PaymentTypeCount; ++type) {
                const BeveragePrice::Price cell = prices.cell(band, type);
                if (!cell.isEmpty()
                    && !sql.insert(db::ProductPrices::Table,
                        { { db::ProductPrices::ProductId, id }, { db::ProductPrices::Band, band },
                            { db::ProductPrices::PaymentType, type },
                            { db::ProductPrices::Price, cell.price },
                            { db::ProductPrices::ExecutiveLine, cell.executiveLine } }))
                    return false;
            }
        }
        return true;
    });
}

std::vector<std::unique_ptr<Product>> ConfigurationLoader::loadProducts(
    int configurationId, const QList<Recipe*>& recipes, const QList<VideoPlaylist*>& playlists) const
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows rows;
    Rows links;
    Rows upsellings;
    Rows prices;
    productextrarows::Extras extras;
    std::vector<std::unique_ptr<Product>> products;
    if (!sql.select(db::Products::Table, {}, rows) || !sql.select(db::Beverages::Table, {}, links)
        || !sql.select(db::BeverageUpsellings::Table, {}, upsellings)
        || !sql.select(db::ProductPrices::Table, {}, prices) || !productextrarows::load(sql, extras))
        return products;
    QHash<int, BeveragePrice> priceOf;
    for (const QSqlRecord& row : prices) {
        const int band = intValue(row, db::ProductPrices::Band);
        const int type = intValue(row, db::ProductPrices::PaymentType);
        if (!BeveragePrice::inTable(band, type)) {
            logFailure(sql.caller(),
                QStringLiteral("Price of band %1 and payment type %2 is outside the table")
                    .arg(band)
                    .arg(type));
            continue;
        }
        priceOf[intValue(row, db::ProductPrices::ProductId)].setCell(band, type,
            { intValue(row, db::ProductPrices::Price), intValue(row, db::ProductPrices::ExecutiveLine) });
    }
    sortByColumn(rows, db::Id);
    sortByColumn(upsellings, db::BeverageUpsellings::Position);
    QMap<int, QVariant> recipeOf;
    for (const QSqlRecord& link : links)
        recipeOf.insert(intValue(link, db::Id), link.value(db::Beverages::RecipeId));
    for (const QSqlRecord& row : rows) {
        const int owner = intValue(row, db::Products::ConfigurationId);
        // Upselling items are shared by every configuration.
        if (owner != configurationId && intValue(row, db::Products::Type) != Product::UpsellingItem)
            continue;
        std::unique_ptr<Product> product = productFromRow(row, playlists, upsellings, extras);
        if (!product) {
            logFailure(
                sql.caller(), QStringLiteral("Product %1 has an unknown type").arg(intValue(row, db::Id)));
            continue;
        }
        product->setBeveragePrice(priceOf.value(product->id()));
        if (auto* beverage = qobject_cast<Beverage*>(product.get())) {
            const QVariant recipeId = recipeOf.value(beverage->id());
            beverage->setRecipe(recipeId.isNull() ? nullptr : byId(recipes, recipeId.toInt(), &Recipe::dbId));
        }
        products.push_back(std::move(product));
    }
    return products;
}

std::unique_ptr<Beverage> ConfigurationLoader::loadBeverage(
    int id, int configurationId, const QList<Recipe*>& recipes, const QList<VideoPlaylist*>& playlists) const
{
    for (std::unique_ptr<Product>& product : loadProducts(configurationId, recipes, playlists)) {
        if (product->id() == id && qobject_cast<Beverage*>(product.get()))
            return std::unique_ptr<Beverage>(static_cast<Beverage*>(product.release()));
    }
    return nullptr;
}
