#include "core/catalogue/ctgupsellingitem.h"

CTGUpsellingItem::CTGUpsellingItem(QObject* parent)
    : AbstractUpsellingItem(parent)
{
}

CTGUpsellingItem::~CTGUpsellingItem() = default;
