#pragma once

#include <set>
#include <type_traits>

namespace lea {
namespace helpers {

/// The interface values of the listed core flags that intersect `flags`.
/// Bits that belong to no listed value are ignored.
template <class TaggedConverter>
std::set<typename TaggedConverter::External> internalFlagsToExternalSetSecure(
    typename TaggedConverter::Internal flags)
{
    using Internal = typename TaggedConverter::Internal;
    using Bits = std::make_unsigned_t<std::underlying_type_t<Internal>>;
    std::set<typename TaggedConverter::External> result;
    for (const Internal value : TaggedConverter::convertibleInternalValues()) {
        if ((static_cast<Bits>(value) & static_cast<Bits>(flags)) != 0)
            result.insert(TaggedConverter::toExternalOrThrow(value));
    }
    return result;
}

} // namespace helpers
} // namespace lea
