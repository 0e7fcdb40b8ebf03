#include "core/catalogue/beverage.h"

#include "core/catalogue/recipe.h"

Beverage::Beverage(QObject* parent)
    : Product(-1, Product::Beverage, parent)
{
}

Beverage::~Beverage() = default;
