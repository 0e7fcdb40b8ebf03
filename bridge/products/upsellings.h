#pragma once

#include "lea/products/upsellings.h"

class AbstractUpsellingItem;
class Beverage;

namespace bridge {
namespace products {

/// The upselling items of the loaded configuration and their places in the beverages' layouts.
class Upsellings : public lea::products::Upsellings
{
    Q_OBJECT

public:
    explicit Upsellings(QObject* parent);

    nonstd::optional<Upselling> upselling(lea::ProductDbId id) const override;
    /// 0, logged, when the item or beverage is unknown or the position falls outside 0 to 255.
    uint8_t position(lea::ProductDbId beverage, lea::ProductDbId upselling) const override;
    /// Stored at once; a refused save is logged and leaves the item as it was.
    void activateUpselling(lea::ProductDbId id, bool active) override;

    /// Null when absent or for a negative id.
    Beverage* coreBeverageFromId(int id) const;
    /// The first upselling item with that id; null when none or for a negative id.
    AbstractUpsellingItem* coreUpsellingFromId(int id) const;
    /// Throws std::invalid_argument for an upselling type or syrup ingredient without interface value.
    static Upselling toLea(const AbstractUpsellingItem& item);
};

} // namespace products
} // namespace bridge
