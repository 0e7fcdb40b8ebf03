#include "bridge/products/promotions.h"

#include "bridge/utils.h"
#include "core/catalogue/promotion.h"
#include "core/configuration/configuration.h"

namespace bridge {
namespace products {

Promotions::Promotions(QObject* parent)
    : lea::products::Promotions(parent)
{
}

nonstd::optional<Promotions::Promotion> Promotions::promotion(lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const nonstd::optional<int> coreId = utils::coreId(id);
    if (!configuration || !coreId)
        return {};
    const ::Promotion* core = configuration->promotion(*coreId);
    if (!core)
        return nonstd::nullopt;
    Promotion promotion;
    for (const int product : core->productIds(true)) {
        if (product > 0)
            promotion.products.push_back(utils::idFromCore<lea::ProductDbId>(product));
    }
    return promotion;
}

nonstd::optional<lea::ProductDbId> Promotions::create(const Promotion&)
{
    return nonstd::nullopt;
}

} // namespace products
} // namespace bridge
