#pragma once

#include "lea/products/coffeestogo.h"

namespace bridge {
namespace products {

/// The coffee-to-go products of the loaded configuration.
class CoffeesToGo : public lea::products::CoffeesToGo
{
    Q_OBJECT

public:
    explicit CoffeesToGo(QObject* parent);

    nonstd::optional<CoffeeToGo> coffeeToGo(lea::ProductDbId id) const override;
    nonstd::optional<lea::ProductDbId> create(const CoffeeToGo& coffeeToGo) override;
};

} // namespace products
} // namespace bridge
