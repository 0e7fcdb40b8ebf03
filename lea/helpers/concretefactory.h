#pragma once

#include "lea/helpers/newimp.h"
#include "lea/priv/abstractfactory.h"

#include <type_traits>

namespace lea {
namespace helpers {
namespace detail {

template <class T> struct Identity
{
    using type = T;
};

template <class Concrete, class... Accessors> struct FirstBaseOf;

template <class Concrete> struct FirstBaseOf<Concrete>
{
    static_assert(sizeof(Concrete) == 0, "the concrete accessor implements no interface of the factory");
};

template <class Concrete, class Head, class... Tail>
struct FirstBaseOf<Concrete, Head, Tail...> : std::conditional_t<std::is_base_of<Head, Concrete>::value,
                                                  Identity<Head>, FirstBaseOf<Concrete, Tail...>>
{
};

template <class FactoryBase, class Concrete> struct InterfaceOf;

template <class... Accessors, class Concrete>
struct InterfaceOf<lea::priv::AbstractFactory<Accessors...>, Concrete> : FirstBaseOf<Concrete, Accessors...>
{
};

} // namespace detail

/// The interface of FactoryBase's list that Concrete implements.
template <class FactoryBase, class Concrete>
using InterfaceOf = typename detail::InterfaceOf<FactoryBase, Concrete>::type;

/// An area factory made of one NewImp per concrete accessor; an interface that
/// stands for itself in the list is answered as not implemented.
template <class FactoryBase, class... ConcreteAccessors>
class ConcreteFactory
    : public virtual FactoryBase,
      public NewImp<FactoryBase, ConcreteAccessors, InterfaceOf<FactoryBase, ConcreteAccessors>>...
{
};

} // namespace helpers
} // namespace lea
