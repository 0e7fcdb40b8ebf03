#pragma once

#include "nonstd/optional.hpp"

#include <array>
#include <cstddef>
#include <set>
#include <sstream>
#include <stdexcept>
#include <type_traits>

namespace lguim {

template <class InternalType, class ExternalType> struct EnumPair
{
    InternalType internal;
    ExternalType external;
};

/// The value table of one converter: specialise it with a static constexpr
/// array `pairs` of EnumPair. An internal value appears at most once; when an
/// external value appears several times, its first pair names the internal
/// value it converts to.
template <class InternalType, class ExternalType, class Tag> struct EnumPairs;

/// Builds a table of N pairs from f(0) ... f(N-1), for tables that follow a rule.
template <class InternalType, class ExternalType, std::size_t N, class F>
constexpr std::array<EnumPair<InternalType, ExternalType>, N> generatePairs(F f)
{
    std::array<EnumPair<InternalType, ExternalType>, N> pairs {};
    for (std::size_t k = 0; k < N; ++k)
        pairs[k] = f(static_cast<int>(k));
    return pairs;
}

/// Converts between a core enumeration (internal) and an interface-layer
/// enumeration (external) through the listed pairs only; never by casting.
template <class InternalType, class ExternalType, class Tag> class SecureEnumConverter
{
    using Table = EnumPairs<InternalType, ExternalType, Tag>;

public:
    static nonstd::optional<InternalType> toInternalOpt(ExternalType value) noexcept
    {
        for (const auto& pair : Table::pairs) {
            if (pair.external == value)
                return pair.internal;
        }
        return nonstd::nullopt;
    }

    static nonstd::optional<ExternalType> toExternalOpt(InternalType value) noexcept
    {
        for (const auto& pair : Table::pairs) {
            if (pair.internal == value)
                return pair.external;
        }
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
            for (const auto& pair : Table::pairs)
                set.insert(pair.internal);
            return set;
        }();
        return values;
    }

    static const std::set<ExternalType>& convertibleExternalValues()
    {
        static const std::set<ExternalType> values = [] {
            std::set<ExternalType> set;
            for (const auto& pair : Table::pairs)
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
        text << prefix << static_cast<long long>(static_cast<std::underlying_type_t<Enum>>(value)) << " ("
             << converter() << ")";
        return text.str();
    }
};

} // namespace lguim
