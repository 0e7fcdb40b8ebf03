#include "bridge/payment/productsprice.h"

#include "bridge/payment/paymenttypeenumconverter.h"
#include "bridge/payment/timebandenumconverter.h"
#include "bridge/products/cataloguelookup.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/product.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"

#include <memory>
#include <QMetaEnum>
#include <QPointer>
#include <QSignalBlocker>
#include <utility>

namespace bridge {
namespace payment {

namespace {

using Prices = lea::payment::ProductsPrice::Prices;
using CorePrice = BeveragePrice::Price;

/// The payment types that have a price field, with their field.
const std::pair<CorePrice::PaymentType, int32_t Prices::*> kPriceFields[] = {
    { CorePrice::Cash, &Prices::cash },
    { CorePrice::Cashless, &Prices::cashless },
    { CorePrice::Mobile, &Prices::mobile },
};

// The core's price look-up takes these price list selectors.
constexpr int kReadList = 5;
constexpr int kReadLevel = 4;

/// The second-price mode in which a second price is shown beside the price.
constexpr int kSecondPriceShown = 3;

/// Puts one band of a record into the product's table. The executive line is not written.
void writeBand(Product& product, int band, const Prices& prices)
{
    for (const auto& field : kPriceFields) {
        const int32_t value = prices.*field.second;
        // A type without price reads as 0: written back, it would make the product free.
        if (value == 0
            && product.beveragePrice().price(field.first, kReadList, kReadLevel, band, product.productType())
                < 0)
            continue;
        product.setOrAddPrice(field.first, 0, 0, band, value, 0);
    }
}

} // namespace

ProductsPrice::ProductsPrice(QObject* parent)
    : lea::payment::ProductsPrice(parent)
{
}

std::map<lea::ProductDbId, ProductsPrice::ProductPrices> ProductsPrice::productsPrices() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::map<lea::ProductDbId, ProductPrices> result;
    for (const Product* product : configuration->products()) {
        const lea::ProductDbId id = utils::idFromCore<lea::ProductDbId>(product->id());
        // Of two products with one id, the first counts.
        if (result.find(id) == result.end())
            result.emplace(id, leaProductPricesFromCoreProduct(*product));
    }
    return result;
}

void ProductsPrice::setProductsPrices(const std::map<lea::ProductDbId, ProductPrices>& prices)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    struct Write
    {
        Product* product;
        std::vector<std::pair<int, const Prices*>> bands;
    };
    // Converted first: a band that does not convert changes nothing.
    std::vector<Write> writes;
    for (const auto& entry : prices) {
        Product* product = products::lookup::product(*configuration, entry.first);
        if (!product)
            continue;
        Write write { product, {} };
        for (const auto& band : entry.second)
            write.bands.emplace_back(int(TimeBandEnumConverter::toInternalOrThrow(band.first)), &band.second);
        writes.push_back(std::move(write));
    }
    if (writes.empty())
        return;

    const utils::FailureLog log(Q_FUNC_INFO, Log::Payment);
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!loader)
        return log.error("Failed saving product prices");
    utils::Transaction transaction(*loader);
    std::vector<std::pair<QPointer<Product>, BeveragePrice>> stored;
    bool saved = transaction.isOpen();
    for (auto write = writes.cbegin(); saved && write != writes.cend(); ++write) {
        Product& product = *write->product;
        const BeveragePrice held = product.beveragePrice();
        // Stored through the product; it changes in memory, and says so, once the whole write is stored.
        const QSignalBlocker quiet(product);
        for (auto band = write->bands.cbegin(); saved && band != write->bands.cend(); ++band) {
            writeBand(product, band->first, *band->second);
            saved = configuration->saveProductPrice(&product);
        }
        stored.emplace_back(&product, product.beveragePrice());
        product.setBeveragePrice(held);
    }
    if (!log.stored(saved && transaction.commit(), "Failed saving product prices"))
        return;
    // Last: a slot on a product's signal may replace the configuration and its products.
    for (const auto& entry : stored) {
        if (entry.first)
            entry.first->setBeveragePrice(entry.second);
    }
}

QList<ProductsPrice::Prices::PaymentType> ProductsPrice::protocolPaymentTypes() const
{
    QList<Prices::PaymentType> types;
    const Configuration* configuration = gCoreEnv->configuration();
    if (!configuration)
        return types;
    const QMetaObject& meta = PaymentSettings::staticMetaObject;
    const QMetaEnum paymentTypes = meta.enumerator(meta.indexOfEnumerator("PaymentType"));
    const QStringList model = configuration->paymentSettings()->paymentTypeModel();
    for (int i = 0; i < paymentTypes.keyCount(); ++i) {
        if (!model.contains(QLatin1String(paymentTypes.key(i))))
            continue;
        const int value = paymentTypes.value(i);
        if (const auto type = PaymentTypeEnumConverter::toExternalOpt(PaymentSettings::PaymentType(value)))
            types << *type;
        else
            LogFormatter(LogLevel::Error).log(Log::Global)
                << Q_FUNC_INFO << "Failed converting payment type" << value;
    }
    return types;
}

std::vector<ProductsPrice::CurrentPrice> ProductsPrice::currentStartingPrices() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::vector<CurrentPrice> prices;
    for (const Product* product : configuration->usedProducts())
        prices.push_back(
            { utils::idFromCore<lea::ProductDbId>(product->id()), product->startingPrice(), {} });
    return prices;
}

nonstd::optional<ProductsPrice::CurrentPrice> ProductsPrice::currentPrice(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const Product* product = products::lookup::product(*configuration, id);
    if (!product)
        return {};
    CurrentPrice price { id, product->currentPrice(), {} };
    if (configuration->paymentSettings()->secondPriceMode() == kSecondPriceShown)
        price.secondPrice = product->currentSecondPrice();
    return price;
}

nonstd::optional<ProductsPrice::Discounts> ProductsPrice::discounts(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const Product* product = products::lookup::product(*configuration, id);
    if (!product)
        return {};
    return product->discounts();
}

ProductsPrice::ProductPrices ProductsPrice::leaProductPricesFromCoreProduct(const Product& product) const
{
    ProductPrices result;
    const BeveragePrice& table = product.beveragePrice();
    for (const lea::payment::TimeBands::TimeBand band : TimeBandEnumConverter::convertibleExternalValues()) {
        const int coreBand = TimeBandEnumConverter::toInternalOrThrow(band);
        Prices prices;
        bool any = false;
        for (const auto& field : kPriceFields) {
            const int value
                = table.price(field.first, kReadList, kReadLevel, coreBand, product.productType());
            if (value >= 0) {
                prices.*field.second = value;
                any = true;
            }
        }
        const int line = product.executiveLine(CorePrice::Executive, kReadList, kReadLevel, coreBand);
        if (line >= 0) {
            prices.executiveLine = line;
            any = true;
        }
        if (any)
            result.emplace(band, prices);
    }
    return result;
}

} // namespace payment
} // namespace bridge
