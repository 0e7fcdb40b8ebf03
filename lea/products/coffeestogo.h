#pragma once

#include "lea/ids.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>

namespace lea {
namespace products {

/// Accessor of coffee-to-go products.
class CoffeesToGo : public QObject
{
    Q_OBJECT

public:
    /// One coffee-to-go product.
    struct CoffeeToGo
    {
        uint8_t coffeeToGoValue = 0;
    };

    ~CoffeesToGo() override = default;

    virtual nonstd::optional<CoffeeToGo> coffeeToGo(lea::ProductDbId id) const = 0;
    /// Coffee-to-go products are made by the catalogue editor: always empty, nothing is created.
    virtual nonstd::optional<lea::ProductDbId> create(const CoffeeToGo& coffeeToGo) = 0;

protected:
    explicit CoffeesToGo(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
