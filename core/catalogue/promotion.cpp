#include "core/catalogue/promotion.h"

Promotion::Promotion(QObject* parent)
    : Product(-1, Product::Promotion, parent)
{
}

Promotion::~Promotion() = default;
