#include "core/catalogue/syrupupsellingitem.h"

SyrupUpsellingItem::SyrupUpsellingItem(QObject* parent)
    : AbstractUpsellingItem(parent)
{
}

SyrupUpsellingItem::~SyrupUpsellingItem() = default;
