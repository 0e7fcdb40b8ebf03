#include "bridge/statistics/delivery.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/product.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/selection/userselectionmanager.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <QRegularExpression>

namespace bridge {
namespace statistics {

namespace {

/// Runs a handler of a core notification: whatever it throws is logged, as it
/// must not reach the core's emission.
template <class Handler> void guarded(const char* signature, Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        LogFormatter(LogLevel::Error).log(Log::Global) << signature << e.what();
    } catch (...) {
        LogFormatter(LogLevel::Error).log(Log::Global) << signature << "Unknown exception";
    }
}

/// An audit value as a count: a text that is no number counts 0; counts
/// beyond 32 bits saturate, as the machine's counters cannot hold them.
qint64 auditCount(const Product& product, const QString& element)
{
    const QString text = product.evadtsValue(element).trimmed();
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (ok)
        return qBound<qint64>(INT_MIN, value, INT_MAX);
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (digits.match(text).hasMatch())
        return text.startsWith(QLatin1Char('-')) ? INT_MIN : INT_MAX;
    return 0;
}

qint64 deliveryCount(const Product& product)
{
    const qint64 sum = auditCount(product, QStringLiteral("PA203"))
        + auditCount(product, QStringLiteral("PA303")) + auditCount(product, QStringLiteral("PA403"));
    return qBound<qint64>(INT_MIN, sum, INT_MAX);
}

lea::statistics::Delivery::RecipeInfo recipeInfo(const Recipe& recipe)
{
    lea::statistics::Delivery::RecipeInfo info;
    info.id = utils::idFromCore<lea::RecipeDbId>(recipe.dbId());
    info.name = recipe.name();
    for (const Recipe::SequenceStep& entry : recipe.sequence()) {
        const AbstractPreparationStep* step = entry.step;
        if (!step)
            continue;
        // Fresh milk is measured by volume: the step itself is the ingredient.
        if (step->type() == AbstractPreparationStep::FreshMilkStep) {
            info.ingredients.push_back({ step->description(), step->dose(), QStringLiteral("ml") });
            continue;
        }
        for (const AbstractIngredient* ingredient : step->ingredientsConst())
            info.ingredients.push_back({ ingredient->name(), ingredient->dose(), QStringLiteral("dg") });
    }
    return info;
}

} // namespace

Delivery::Delivery(QObject* parent)
    : lea::statistics::Delivery(parent)
{
    qRegisterMetaType<ProductDeliveryEvent>();
    qRegisterMetaType<InfusionTimeEvent>();
    const Statistics* statistics = gCoreEnv->machine()->statistics();
    connect(statistics, &Statistics::notifyConnectivityVendEvent, this, &Delivery::onVendEvent);
    connect(
        statistics, &Statistics::notifyConnectivityInfusionTimeEvent, this, &Delivery::onInfusionTimeEvent);
}

Delivery::~Delivery() = default;

std::map<lea::ProductDbId, Delivery::ProductDeliveryStatistics> Delivery::productsDeliveryStatistics() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::map<lea::ProductDbId, ProductDeliveryStatistics> result;
    for (const Product* product : configuration->products()) {
        // An unsaved product has no id to be listed under; of one id, the first wins.
        const auto id = utils::idFromCoreOpt<lea::ProductDbId>(product->id());
        if (!id || result.count(*id))
            continue;
        ProductDeliveryStatistics statistics;
        statistics.deliveryCount = deliveryCount(*product);
        statistics.lastDelivery = product->lastErogationTime();
        // The core marks a product without item number with -1.
        if (product->itemNumber() >= 0)
            statistics.itemNumber = product->itemNumber();
        result.emplace(*id, statistics);
    }
    return result;
}

int64_t Delivery::totalDeliveryCount() const
{
    return gCoreEnv->machine()->deliveryCount();
}

void Delivery::onVendEvent(const Statistics::ConnectivityVendEvent& event)
{
    const char* signature = Q_FUNC_INFO;
    guarded(signature, [&] { reportVend(event, signature); });
}

void Delivery::onInfusionTimeEvent(const Statistics::ConnectivityInfusionTimeEvent& event)
{
    const char* signature = Q_FUNC_INFO;
    guarded(signature, [&] {
        InfusionTimeEvent infusion;
        utils::checkCoreId(event.id);
        if (event.id >= 0)
            infusion.id = static_cast<uint32_t>(event.id);
        infusion.time = std::max(event.time, 0);
        emit infusionTimeRecorded(infusion);
    });
}

void Delivery::reportVend(const Statistics::ConnectivityVendEvent& event, const char* signature)
{
    const utils::FailureLog log(signature, Log::Global);
    if (!event.product) {
        log.warning("Null or invalid product");
        return;
    }
    const Configuration* configuration = utils::loadedConfiguration(signature);
    if (!configuration)
        return;
    // The notification carries bare pointers and may arrive queued, after a
    // reload: only objects of the loaded catalogue are read.
    // The product being dispensed may be one given whole, stored nowhere.
    const UserSelectionManager* selection = gCoreEnv->userSelectionManager();
    const bool dispensed = selection && selection->currentDispensedProduct() == event.product;
    if ((!dispensed && !configuration->products().contains(event.product)) || event.product->id() < 1) {
        log.warning("Null or invalid product");
        return;
    }
    const Product& product = *event.product;
    ProductDeliveryEvent delivery;
    if (product.productType() == Product::Beverage) {
        // The recipe dispensed is the customer's working copy or the dispensed beverage's own.
        const auto* beverage = qobject_cast<const Beverage*>(event.product);
        const bool known = configuration->recipes().contains(event.recipe)
            || (selection && event.recipe == selection->selectionRecipe())
            || (dispensed && beverage && event.recipe == beverage->recipe());
        if (!event.recipe || !known || event.recipe->dbId() < 1) {
            log.warning("Null or invalid recipe");
            return;
        }
        delivery.recipe = recipeInfo(*event.recipe);
    }
    delivery.paid = event.paid;
    delivery.productId = utils::idFromCore<lea::ProductDbId>(product.id());
    delivery.price = event.price;
    delivery.paymentKind = event.paymentKind;
    delivery.time = gCoreEnv->clock()->now().toLocalTime();
    emit productDelivered(delivery);
}

} // namespace statistics
} // namespace bridge
