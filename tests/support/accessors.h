#pragma once

#include "bridge/bridge.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace detail {

/// The first of the factories given that makes `Interface`.
template <class Interface, class Factory, class... Others>
auto& factoryOf(Factory& factory, Others&... others)
{
    if constexpr (std::is_base_of<lea::priv::AbstractFactoryImp<Interface>, Factory>::value)
        return static_cast<lea::priv::AbstractFactoryImp<Interface>&>(factory);
    else
        return factoryOf<Interface>(others...);
}

} // namespace detail

/// A new accessor of `Interface`, made by its area's factory as the interface
/// layer makes it (the Bridge is gone when it returns, as accessors may
/// outlive it); null when the machine does not implement it. With `Concrete`,
/// the accessor as the bridge class that implements it.
template <class Interface, class Concrete = Interface> std::unique_ptr<Concrete> createAccessor()
{
    bridge::Bridge b;
    Interface* accessor = detail::factoryOf<Interface>(b.interfaceFactory(), b.hardwareFactory(),
        b.miscFactory(), b.staticSettingsFactory(), b.statisticsFactory(), b.productsFactory(),
        b.paymentFactory(), b.maintenanceFactory(), b.persistenceFactory(), b.connectivityFactory())
                              .createImp(nullptr, nullptr);
    if constexpr (std::is_same<Interface, Concrete>::value)
        return std::unique_ptr<Concrete>(accessor);
    else
        return std::unique_ptr<Concrete>(dynamic_cast<Concrete*>(accessor));
}

/// The text of the `Exception` that `call` throws, or "no exception".
template <class Exception = std::exception, class Call> std::string exceptionText(Call&& call)
{
    try {
        call();
    } catch (const Exception& e) {
        return e.what();
    }
    return "no exception";
}
