#include "bridge/products/cups.h"

#include "bridge/utils.h"
#include "core/configuration/configuration.h"

#include <algorithm>

namespace bridge {
namespace products {

namespace {

lea::products::Cups::Cup cup(int capacity)
{
    // Keeping only the low byte would turn 256 cups into none.
    return { static_cast<uint8_t>(std::clamp(capacity, 0, 255)) };
}

} // namespace

Cups::Cups(QObject* parent)
    : lea::products::Cups(parent)
{
}

std::vector<nonstd::optional<Cups::Cup>> Cups::turrets() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    return { cup(configuration->maximumQuantityCupInTurretN(true)),
        cup(configuration->maximumQuantityCupInTurretN(false)) };
}

} // namespace products
} // namespace bridge
