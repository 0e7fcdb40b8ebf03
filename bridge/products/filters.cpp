#include "bridge/products/filters.h"

#include "bridge/localimagestore.h"
#include "bridge/products/products.h"
#include "bridge/utils.h"
#include "core/catalogue/product.h"
#include "core/configuration/configuration.h"

namespace bridge {
namespace products {

namespace {

bool carriesBit(const Product& product, int bit)
{
    // A negative bit number counts from the top, as its value modulo 32 does.
    const int shift = ((bit % 32) + 32) % 32;
    return (static_cast<quint32>(product.productAttributeRole()) >> shift) & 1u;
}

} // namespace

Filters::Filters(QObject* parent)
    : lea::products::Filters(parent)
{
}

std::vector<Filters::Filter> Filters::filters() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::vector<Filter> filters;
    const QList<Product*> products = configuration->products();
    for (const ProductFilter& core : configuration->productFilters()) {
        Filter filter;
        filter.name = core.name();
        filter.imagePath = LocalImageStore::instance().getProductFilterImage(core.id());
        for (const Product* product : products) {
            const auto id = utils::idFromCoreOpt<lea::ProductDbId>(product->id());
            if (id && Products::isSelectable(*product) && carriesBit(*product, core.attributeBit()))
                filter.products.push_back(*id);
        }
        filter.attributeBit = core.attributeBit();
        filter.filterNumber = core.filterNumber();
        filter.firstFlag = core.firstFlag();
        filter.secondFlag = core.secondFlag();
        filter.translations = utils::translations(filter.name, TypedString::FilterName);
        filters.push_back(std::move(filter));
    }
    return filters;
}

} // namespace products
} // namespace bridge
