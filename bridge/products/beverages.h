#pragma once

#include "lea/products/beverages.h"

namespace bridge {
namespace products {

/// The beverage side of the products of the loaded configuration: recipe
/// link, jug and lid, and the jug choice of the current selection.
/// changed() follows the loaded configuration's beveragesChanged().
class Beverages : public lea::products::Beverages
{
    Q_OBJECT

public:
    explicit Beverages(QObject* parent);

    nonstd::optional<Beverage> beverage(lea::ProductDbId id) const override;
    void update(lea::ProductDbId id, const Beverage& beverage) override;
    void configureDispensing(const DispensingOptions& options) override;
    bool setCurrentUsedRecipe(lea::ProductDbId id, nonstd::optional<lea::RecipeDbId> recipe) override;
    nonstd::optional<lea::ProductDbId> create(const Beverage& beverage) override;
    std::map<lea::ProductDbId, Beverage> beverages() const override;
    nonstd::optional<lea::ProductDbId> beverageFromProduct(lea::ProductDbId id) const override;
};

} // namespace products
} // namespace bridge
