#include "core/catalogue/product.h"

Product::Product(int id, ProductType productType, QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_productType(productType)
{
}

Product::~Product() = default;
