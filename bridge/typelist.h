#pragma once

namespace lguim {

/// A list of types, such as the enumeration converters of one area.
template <class... Types> struct TypeList
{
};

} // namespace lguim
