#include "core/catalogue/cupproduct.h"

SpecialProduct::SpecialProduct(QObject* parent)
    : Product(-1, Product::SpecialProduct, parent)
{
}

SpecialProduct::~SpecialProduct() = default;
