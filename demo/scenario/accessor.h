#pragma once

#include "lea/priv/abstractfactoryimp.h"

#include <memory>

namespace scenario {

/// A new accessor of `Accessor` made by `factory`, the area factory of a
/// bridge::Bridge that implements it, as the interface layer makes one.
template <class Accessor, class Factory> std::unique_ptr<Accessor> createAccessor(Factory& factory)
{
    auto& imp = static_cast<lea::priv::AbstractFactoryImp<Accessor>&>(factory);
    return std::unique_ptr<Accessor>(imp.createImp(static_cast<Accessor*>(nullptr), nullptr));
}

} // namespace scenario
