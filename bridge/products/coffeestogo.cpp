#include "bridge/products/coffeestogo.h"

#include "bridge/utils.h"
#include "core/catalogue/coffeetogoproduct.h"
#include "core/configuration/configuration.h"

namespace bridge {
namespace products {

CoffeesToGo::CoffeesToGo(QObject* parent)
    : lea::products::CoffeesToGo(parent)
{
}

nonstd::optional<CoffeesToGo::CoffeeToGo> CoffeesToGo::coffeeToGo(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const nonstd::optional<int> coreId = utils::coreId(id);
    if (!configuration || !coreId)
        return {};
    const CoffeeToGoProduct* core = configuration->coffeeToGo(*coreId);
    if (!core)
        return nonstd::nullopt;
    return CoffeeToGo { core->value() };
}

nonstd::optional<lea::ProductDbId> CoffeesToGo::create(const CoffeeToGo&)
{
    return nonstd::nullopt;
}

} // namespace products
} // namespace bridge
