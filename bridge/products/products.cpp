#include "bridge/products/products.h"

#include "bridge/localimagestore.h"
#include "bridge/maintenance/failureidenumconverter.h"
#include "bridge/products/cataloguelookup.h"
#include "bridge/products/productconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/abstractupsellingitem.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/coffeetogoproduct.h"
#include "core/catalogue/cupproduct.h"
#include "core/catalogue/promotion.h"
#include "core/catalogue/snack.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/log/assert.h"
#include "core/log/logformatter.h"

#include <QUrl>
#include <string>

namespace bridge {
namespace products {

namespace {

const QString SourceImage = QStringLiteral("source");
const QString SecondImage = QStringLiteral("second_source_image");

using BasicProducts = std::map<lea::ProductDbId, lea::products::Products::BasicProduct>;

/// The records of `products` with an id of 0 or more, the first of one id winning.
template <class Keep> BasicProducts recordsOf(const QList<Product*>& products, Keep&& keep)
{
    BasicProducts result;
    for (const Product* product : products) {
        const nonstd::optional<lea::ProductDbId> id = utils::idFromCoreOpt<lea::ProductDbId>(product->id());
        if (id && keep(*product) && !result.count(*id))
            result.emplace(*id, ProductConverter::coreProductToLeaBasicProduct(*product));
    }
    return result;
}

bool all(const Product&)
{
    return true;
}

} // namespace

Products::Products(QObject* parent)
    : lea::products::Products(parent)
{
    utils::connectToConfiguration(
        &Configuration::usedProductsChanged, this, &Products::trackUsedProductsAvailability);
    // A configuration that replaces another announces no change of its used
    // products: its products are followed from the moment it is loaded.
    connect(
        gCoreEnv, &CoreEnvironment::configurationChanged, this, [this](const Configuration* configuration) {
            if (configuration)
                trackUsedProductsAvailability();
        });
    trackUsedProductsAvailability();
}

BasicProducts Products::products() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration ? recordsOf(configuration->products(), all) : BasicProducts();
}

BasicProducts Products::productsAndSnacks() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    return recordsOf(configuration->products(), &Products::isSelectable);
}

BasicProducts Products::usedProducts() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration ? recordsOf(configuration->usedProducts(), all) : BasicProducts();
}

nonstd::optional<Products::BasicProduct> Products::basics(lea::ProductDbId id) const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return {};
    const Product* product = coreProductByDbId(id);
    if (!product)
        return {};
    return ProductConverter::coreProductToLeaBasicProduct(*product);
}

bool Products::isProductDisplayed(lea::ProductDbId id) const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return false;
    const Product* product = coreProductByDbId(id);
    return product && product->isDisplayed();
}

nonstd::optional<Products::SpecialProductRecord> Products::specials(lea::ProductDbId id) const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return {};
    const auto* special = qobject_cast<const ::SpecialProduct*>(coreProductByDbId(id));
    if (!special)
        return {};
    SpecialProductRecord record;
    static_cast<BasicProduct&>(record) = ProductConverter::coreProductToLeaBasicProduct(*special);
    record.cupDropTurret = static_cast<uint8_t>(special->cupToDropFromTurret());
    return record;
}

void Products::setBasics(lea::ProductDbId id, const BasicProduct& record)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    Product* product = coreProductByDbId(id);
    if (!product)
        return log.warning("Product not found in configuration");
    // Converted and checked first, so that a record that does not convert changes nothing.
    const int attributes = ProductConverter::leaAttributesToCoreAttributes(record.attributes);
    utils::requireStorableText(record.name);
    utils::requireStorableText(record.extraText);
    utils::requireStorableTexts(record.translations);

    utils::Rollback rollback(*product);
    product->setName(record.name);
    product->setProductAttributeRole(attributes);
    product->setVideoPlaylist(configuration->playlistForId(record.playlistId.value_or(-1)));
    product->setExtraText(record.extraText);
    if (record.itemNumber)
        product->setItemNumber(*record.itemNumber);
    if (!saveCoreProduct(product, Q_FUNC_INFO))
        return;
    rollback.commit();
    if (const nonstd::optional<TypedString::StringType> type
        = ProductConverter::stringTypeForProductType(product->productType()))
        utils::updateTranslations(record.name, *type, record.translations);
    // A product without playlist has none to store.
    if (VideoPlaylist* playlist = product->videoPlaylist())
        log.stored(configuration->savePlaylist(playlist), "Failed saving playlist");
}

std::vector<lea::maintenance::FailureId> Products::activeFailures(lea::ProductDbId id) const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return {};
    const Product* product = coreProductByDbId(id);
    std::vector<lea::maintenance::FailureId> failures;
    if (!product)
        return failures;
    for (const int failure : product->activeFailures())
        failures.push_back(
            maintenance::FailureIdEnumConverter::toExternalOrThrow(FailureCommonList::FailureID(failure)));
    return failures;
}

std::vector<lea::ProductDbId> Products::touchlessProducts() const
{
    const std::string message = std::string(Q_FUNC_INFO) + "is not implemented.";
    printReleaseAssertMsg("", message.c_str(), __FILE__, __LINE__);
    return {};
}

bool Products::customizationAvailable(lea::ProductDbId id) const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return false;
    const Product* product = coreProductByDbId(id);
    return product && product->isCustomizationAvailable();
}

QByteArray Products::getImageBase64(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const nonstd::optional<int> coreId = utils::coreId(id);
    if (!configuration || !coreId)
        return {};
    return configuration->loader()->loadBeverageImage(SourceImage, *coreId);
}

QFileInfo Products::getImagePath(lea::ProductDbId id) const
{
    const nonstd::optional<int> coreId = utils::coreId(id);
    return coreId ? QFileInfo(LocalImageStore::instance().getBeverageImage(SourceImage, *coreId))
                  : QFileInfo();
}

QString Products::getImageHash(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const Product* product = configuration ? lookup::product(*configuration, id) : nullptr;
    return product ? product->imageHash() : QString();
}

void Products::setImagePath(lea::ProductDbId id, const QFileInfo& file)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    Product* product = lookup::product(*configuration, id);
    if (!product) {
        LogFormatter(LogLevel::Error).log(Log::Product)
            << Q_FUNC_INFO << "No product found with id: " << id.value();
        return;
    }
    utils::Rollback rollback(*product);
    const QUrl url = QUrl::fromLocalFile(file.filePath());
    product->setImage(url);
    product->setDispensingImage(url);
    if (saveCoreProduct(product, Q_FUNC_INFO))
        rollback.commit();
}

QFileInfo Products::getAdditionalImagePath(lea::ProductDbId id) const
{
    const nonstd::optional<int> coreId = utils::coreId(id);
    return coreId ? QFileInfo(LocalImageStore::instance().getBeverageImage(SecondImage, *coreId))
                  : QFileInfo();
}

QString Products::statusInfo(lea::ProductDbId id) const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return {};
    const Product* product = coreProductByDbId(id);
    return product ? product->statusInfo() : QString();
}

void Products::trackUsedProductsAvailability()
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    for (Product* product : configuration->usedProducts()) {
        connect(product, &Product::isAvailableChanged, this, &Products::onProductAvailabilityChanged,
            Qt::UniqueConnection);
        connect(product, &Product::subProductAvailabilityChanged, this,
            &Products::onSubProductAvailabilityChanged, Qt::UniqueConnection);
        connect(product, &Product::mulitipleFailures, this, &Products::trackMultipleFailures,
            Qt::UniqueConnection);
    }
    emit changed();
}

void Products::onProductAvailabilityChanged()
{
    if (const Product* product = loadedSender())
        emit availabilityChanged(utils::idFromCore<lea::ProductDbId>(product->id()));
}

void Products::onSubProductAvailabilityChanged(int, bool)
{
    if (const Product* product = loadedSender())
        emit subProductsAvailabilityChanged(utils::idFromCore<lea::ProductDbId>(product->id()));
}

void Products::trackMultipleFailures()
{
    if (const Product* product = loadedSender())
        emit multipleFailures(utils::idFromCore<lea::ProductDbId>(product->id()));
}

bool Products::isSelectable(const Product& product)
{
    return product.isDisplayed() || product.productType() == Product::Snack;
}

Product* Products::loadedSender() const
{
    auto* product = qobject_cast<Product*>(sender());
    const Configuration* configuration = gCoreEnv->configuration();
    if (!product || !configuration || configuration->product(product->id()) != product)
        return nullptr;
    return product;
}

Product* Products::coreProductByDbId(lea::ProductDbId id) const
{
    const Configuration* configuration = gCoreEnv->configuration();
    return configuration ? lookup::product(*configuration, id) : nullptr;
}

bool Products::saveCoreProduct(Product* product, const char* signature)
{
    const Configuration* configuration = utils::loadedConfiguration(signature);
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!configuration || !loader)
        return false;
    const int configurationId = configuration->id();
    bool saved = false;
    switch (product->productType()) {
    case Product::Beverage:
        saved = loader->saveBeverage(qobject_cast<::Beverage*>(product), configurationId);
        break;
    case Product::Snack:
        saved = loader->saveSnack(qobject_cast<Snack*>(product), configurationId);
        break;
    case Product::SpecialProduct:
        saved = loader->saveSpecialProduct(qobject_cast<::SpecialProduct*>(product), configurationId);
        break;
    case Product::Promotion:
        saved = loader->savePromotion(qobject_cast<Promotion*>(product), configurationId);
        break;
    case Product::CoffeeToGoProduct:
        saved = loader->saveCoffeeToGo(qobject_cast<::CoffeeToGoProduct*>(product), configurationId);
        break;
    case Product::UpsellingItem:
        saved = loader->saveUpselling(qobject_cast<AbstractUpsellingItem*>(product));
        break;
    default:
        LogFormatter(LogLevel::Error).log(Log::Product)
            << signature << "Don't know how to save product of this type";
        return false;
    }
    return utils::FailureLog(signature, Log::Product).stored(saved, "Failed saving product to database");
}

} // namespace products
} // namespace bridge
