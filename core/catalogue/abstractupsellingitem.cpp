#include "core/catalogue/abstractupsellingitem.h"

AbstractUpsellingItem::AbstractUpsellingItem(QObject* parent)
    : Product(-1, Product::UpsellingItem, parent)
{
}

AbstractUpsellingItem::~AbstractUpsellingItem() = default;
