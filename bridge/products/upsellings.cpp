#include "bridge/products/upsellings.h"

#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/products.h"
#include "bridge/products/upsellingtypeenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/ctgupsellingitem.h"
#include "core/catalogue/syrupupsellingitem.h"
#include "core/configuration/configuration.h"
#include "core/log/logformatter.h"

#include <limits>

namespace bridge {
namespace products {

namespace {

/// Layout positions of items offered before preparation count from the screen's first free place.
constexpr int FirstItemPlace = 2;
constexpr int FirstLidPlace = 5;

int coreIdOrNone(lea::ProductDbId id)
{
    return utils::coreId(id).value_or(-1);
}

} // namespace

Upsellings::Upsellings(QObject* parent)
    : lea::products::Upsellings(parent)
{
}

nonstd::optional<Upsellings::Upselling> Upsellings::upselling(lea::ProductDbId id) const
{
    const AbstractUpsellingItem* item = coreUpsellingFromId(coreIdOrNone(id));
    if (!item)
        return nonstd::nullopt;
    return toLea(*item);
}

uint8_t Upsellings::position(lea::ProductDbId beverageId, lea::ProductDbId upsellingId) const
{
    const Beverage* beverage = coreBeverageFromId(coreIdOrNone(beverageId));
    const AbstractUpsellingItem* item = coreUpsellingFromId(coreIdOrNone(upsellingId));
    const utils::FailureLog log(Q_FUNC_INFO, Log::Product);
    if (!beverage || !item) {
        log.warning("Beverage or upselling not found");
        return 0;
    }
    int raw = 0;
    for (const Beverage::UpsellingLayoutItem& entry : beverage->upsellingsLayout()) {
        if (entry.item && entry.item->id() == item->id()) {
            raw = entry.position;
            break;
        }
    }
    int position = 0;
    switch (item->upsellingType()) {
    case AbstractUpsellingItem::BeforePreparation:
        position = raw - (item->isCTGLid() ? FirstLidPlace : FirstItemPlace);
        break;
    case AbstractUpsellingItem::AfterPreparation:
        position = raw;
        break;
    default:
        log.warning("Invalid upselling type");
        return 0;
    }
    // A place beyond one byte would read as another place.
    if (position < 0 || position > std::numeric_limits<uint8_t>::max()) {
        log.warning("Failed computing position");
        return 0;
    }
    return static_cast<uint8_t>(position);
}

void Upsellings::activateUpselling(lea::ProductDbId id, bool active)
{
    AbstractUpsellingItem* item = coreUpsellingFromId(coreIdOrNone(id));
    if (!item || !item->isAvailable() || item->isActive() == active)
        return;
    utils::Rollback rollback(*item);
    item->setIsActive(active);
    if (Products::saveCoreProduct(item, Q_FUNC_INFO))
        rollback.commit();
}

Beverage* Upsellings::coreBeverageFromId(int id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration && id >= 0 ? configuration->beverage(id) : nullptr;
}

AbstractUpsellingItem* Upsellings::coreUpsellingFromId(int id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration || id < 0)
        return nullptr;
    for (AbstractUpsellingItem* item : configuration->upsellings()) {
        if (item->id() == id)
            return item;
    }
    return nullptr;
}

Upsellings::Upselling Upsellings::toLea(const AbstractUpsellingItem& item)
{
    Upselling upselling;
    upselling.name = item.name();
    upselling.translations = utils::translations(upselling.name, TypedString::UpsellingName);
    upselling.isCTGLid = item.isCTGLid();
    upselling.type = UpsellingTypeEnumConverter::toExternalOrThrow(item.upsellingType());
    upselling.enabledFlag = item.isEnabled();
    upselling.itemValue = item.itemValue();
    if (const auto* syrup = qobject_cast<const SyrupUpsellingItem*>(&item)) {
        if (const Canister* canister = syrup->canister())
            upselling.syrup
                = Syrup { LogicalIngredientEnumConverter::toExternalOrThrow(canister->logicalCanisterId()),
                      canister->name(), {} };
        upselling.syrupValue = syrup->syrupValue();
    } else if (const auto* toGo = qobject_cast<const CTGUpsellingItem*>(&item)) {
        // An item linked to no stored product has no linked product.
        upselling.linkedProduct = utils::idFromCoreOpt<lea::ProductDbId>(toGo->productId());
    }
    return upselling;
}

} // namespace products
} // namespace bridge
