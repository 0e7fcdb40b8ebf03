#pragma once

#include "bridge/enumindex.h"
#include "bridge/enumpairs.h"
#include "nonstd/optional.hpp"

#include <array>
#include <cstddef>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace lguim {

/// Converts between a core enumeration (internal) and an interface-layer
/// enumeration (external) through the listed pairs only; never by casting.
template <class InternalType, class ExternalType, class Tag> class SecureEnumConverter
{
    using InternalIndex = detail::EnumIndex<EnumKey<InternalType, ExternalType, Tag>, false>;
    using ExternalIndex = detail::EnumIndex<EnumKey<InternalType, ExternalType, Tag>, true>;

public:
    using Key = EnumKey<InternalType, ExternalType, Tag>;
    using Pair = EnumPair<InternalType, ExternalType>;

    /// The value table from a braced list of pairs, for the specialisation of enumPairs<Key>.
    template <std::size_t N> static constexpr std::array<Pair, N> pairs(const Pair (&list)[N])
    {
        std::array<Pair, N> table {};
        for (std::size_t k = 0; k < N; ++k)
            table[k] = list[k];
        return table;
    }

    static nonstd::optional<InternalType> toInternalOpt(ExternalType value) noexcept
    {
        if (const Pair* pair = ExternalIndex::find(value))
            return pair->internal;
        return nonstd::nullopt;
    }

    static nonstd::optional<ExternalType> toExternalOpt(InternalType value) noexcept
    {
        static_assert(InternalIndex::unique, "an internal value is listed in two pairs");
        if (const Pair* pair = InternalIndex::find(value))
            return pair->external;
        return nonstd::nullopt;
    }

    static InternalType toInternalOrThrow(ExternalType value)
    {
        if (const auto internal = toInternalOpt(value))
            return *internal;
        throw std::invalid_argument(failureText("Invalid external enum value ", value));
    }

    static ExternalType toExternalOrThrow(InternalType value)
    {
        if (const auto external = toExternalOpt(value))
            return *external;
        throw std::invalid_argument(failureText("Invalid internal enum value ", value));
    }

    static const std::set<InternalType>& convertibleInternalValues()
    {
        static const std::set<InternalType> values = [] {
            std::set<InternalType> set;
            for (const auto& pair : enumPairs<Key>)
                set.insert(pair.internal);
            return set;
        }();
        return values;
    }

    static const std::set<ExternalType>& convertibleExternalValues()
    {
        static const std::set<ExternalType> values = [] {
            std::set<ExternalType> set;
            for (const auto& pair : enumPairs<Key>)
                set.insert(pair.external);
            return set;
        }();
        return values;
    }

    static const char* converter() { return __PRETTY_FUNCTION__; }

private:
    template <class Enum> static std::string failureText(const char* prefix, Enum value)
    {
        std::ostringstream text;
        text << prefix << detail::enumValue(value) << " (" << converter() << ")";
        return text.str();
    }
};

} // namespace lguim
