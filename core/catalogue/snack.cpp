#include "core/catalogue/snack.h"

Snack::Snack(QObject* parent)
    : Product(-1, Product::Snack, parent)
{
}

Snack::~Snack() = default;
