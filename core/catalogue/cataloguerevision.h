#pragma once

#include <QtGlobal>

/// Counts changes to the shape of the catalogue: objects added, removed or
/// given another id. Indexes over the loaded catalogue compare it with the
/// revision they were built at and rebuild when it moved. Main thread only.
namespace CatalogueRevision {
quint64 current();
void bump();
} // namespace CatalogueRevision
