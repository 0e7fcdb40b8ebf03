#pragma once

#include "bridge/bridge.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace detail {

template <class Interface, class Factory>
constexpr bool makes = std::is_base_of<lea::priv::AbstractFactoryImp<Interface>, Factory>::value;

template <class Interface> lea::priv::AbstractFactoryImp<Interface>& factoryOf(bridge::Bridge& bridge)
{
    if constexpr (makes<Interface, lea::interface::Factory>)
        return bridge.interfaceFactory();
    else if constexpr (makes<Interface, lea::hardware::Factory>)
        return bridge.hardwareFactory();
    else if constexpr (makes<Interface, lea::misc::Factory>)
        return bridge.miscFactory();
    else if constexpr (makes<Interface, lea::staticsettings::Factory>)
        return bridge.staticSettingsFactory();
    else if constexpr (makes<Interface, lea::statistics::Factory>)
        return bridge.statisticsFactory();
    else if constexpr (makes<Interface, lea::products::Factory>)
        return bridge.productsFactory();
    else if constexpr (makes<Interface, lea::payment::Factory>)
        return bridge.paymentFactory();
    else if constexpr (makes<Interface, lea::maintenance::Factory>)
        return bridge.maintenanceFactory();
    else if constexpr (makes<Interface, lea::persistence::Factory>)
        return bridge.persistenceFactory();
    else
        return bridge.connectivityFactory();
}

} // namespace detail

/// A new accessor of `Interface`, made by its area's factory as the interface
/// layer makes it (the Bridge is gone when it returns, as accessors may
/// outlive it); null when the machine does not implement it. With `Concrete`,
/// the accessor as the bridge class that implements it.
template <class Interface, class Concrete = Interface> std::unique_ptr<Concrete> createAccessor()
{
    bridge::Bridge bridge;
    Interface* accessor = detail::factoryOf<Interface>(bridge).createImp(nullptr, nullptr);
    if constexpr (std::is_same<Interface, Concrete>::value)
        return std::unique_ptr<Concrete>(accessor);
    else
        return std::unique_ptr<Concrete>(dynamic_cast<Concrete*>(accessor));
}

/// The text of the exception that `call` throws, or "no exception".
template <class Call> std::string exceptionText(Call&& call)
{
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no exception";
}
