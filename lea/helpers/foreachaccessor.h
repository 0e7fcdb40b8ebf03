#pragma once

#include "lea/priv/abstractfactory.h"

namespace lea {
namespace helpers {

/// Calls visit(AbstractFactoryImp<A>&, A* tag) for every accessor A of an area
/// factory, in the factory's list order. The tag is always null.
template <class... Accessors, class Visitor>
void forEachAccessor(lea::priv::AbstractFactory<Accessors...>& factory, Visitor&& visit)
{
    (visit(static_cast<lea::priv::AbstractFactoryImp<Accessors>&>(factory), static_cast<Accessors*>(nullptr)),
        ...);
}

} // namespace helpers
} // namespace lea
