#pragma once

#include "lea/products/promotions.h"

namespace bridge {
namespace products {

/// The promotions of the loaded configuration and the products each bundles.
class Promotions : public lea::products::Promotions
{
    Q_OBJECT

public:
    explicit Promotions(QObject* parent);

    /// Bundled ids of 0 or less name no product and are left out.
    nonstd::optional<Promotion> promotion(lea::ProductDbId id) const override;
    nonstd::optional<lea::ProductDbId> create(const Promotion& promotion) override;
};

} // namespace products
} // namespace bridge
