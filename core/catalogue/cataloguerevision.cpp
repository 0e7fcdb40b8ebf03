#include "core/catalogue/cataloguerevision.h"

namespace {
quint64 revision = 0;
} // namespace

quint64 CatalogueRevision::current()
{
    return revision;
}

void CatalogueRevision::bump()
{
    ++revision;
}
