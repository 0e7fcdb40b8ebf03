#pragma once

#include "lea/priv/abstractfactoryimp.h"

namespace lea {
namespace priv {

/// The factory of one area: one creation interface per accessor of the list,
/// in list order. Callers pick the interface through AbstractFactoryImp<A>&.
template <class... Accessors> class AbstractFactory : public AbstractFactoryImp<Accessors>...
{
};

} // namespace priv
} // namespace lea
