#include "core/catalogue/coffeetogoproduct.h"

CoffeeToGoProduct::CoffeeToGoProduct(QObject* parent)
    : Product(-1, Product::CoffeeToGoProduct, parent)
{
}

CoffeeToGoProduct::~CoffeeToGoProduct() = default;
