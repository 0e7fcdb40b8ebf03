#pragma once

#include "bridge/enumpairs.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace lguim {
namespace detail {

// Values compared in the widest type of the same signedness, so that negative
// values and unsigned or 64-bit enumerations order correctly.
template <class Enum>
using EnumValue
    = std::conditional_t<std::is_signed<std::underlying_type_t<Enum>>::value, long long, unsigned long long>;

template <class Enum> constexpr EnumValue<Enum> enumValue(Enum value)
{
    return static_cast<std::underlying_type_t<Enum>>(value);
}

/// The lookup of one side of a table, built at compile time: the position of
/// the first pair that lists a value, from a slot per value over [lowest,
/// highest] when the values are dense enough, otherwise from the values sorted
/// for a binary search.
template <class Key, bool FromExternal> class EnumIndex
{
    static constexpr const auto& pairs = enumPairs<Key>;
    static_assert(!std::is_same<std::decay_t<decltype(pairs)>, NoEnumPairs>::value,
        "no value table declared for this converter");
    static constexpr std::size_t size = pairs.size();
    static_assert(size > 0 && size < 0xFFFF, "a value table lists between 1 and 65534 pairs");

    using Pair = typename std::decay_t<decltype(pairs)>::value_type;
    using Source = std::conditional_t<FromExternal, decltype(Pair::external), decltype(Pair::internal)>;
    using Value = EnumValue<Source>;
    using Position = std::conditional_t<(size < 0xFF), std::uint8_t, std::uint16_t>;
    static constexpr Position none = std::numeric_limits<Position>::max();

    static constexpr Value valueAt(std::size_t k)
    {
        if constexpr (FromExternal)
            return enumValue(pairs[k].external);
        else
            return enumValue(pairs[k].internal);
    }

    static constexpr Value extreme(bool highest)
    {
        Value result = valueAt(0);
        for (std::size_t k = 1; k < size; ++k) {
            if (highest ? valueAt(k) > result : valueAt(k) < result)
                result = valueAt(k);
        }
        return result;
    }

    static constexpr Value lowest = extreme(false);

    // Unsigned arithmetic: it cannot overflow, and a value below `lowest`
    // wraps to an offset beyond `span`.
    static constexpr unsigned long long offsetOf(Value value)
    {
        return static_cast<unsigned long long>(value) - static_cast<unsigned long long>(lowest);
    }

    static constexpr unsigned long long span = offsetOf(extreme(true));

public:
    /// Whether a value finds its slot directly; otherwise a binary search finds it.
    static constexpr bool dense = span < 4 * size + 64;

private:
    struct Entry
    {
        std::underlying_type_t<Source> value; // the same order as Value, in less room
        Position position;
    };
    using ByOffset = std::array<Position, dense ? span + 1 : 0>;
    using Sorted = std::array<Entry, dense ? 0 : size>;

    static constexpr ByOffset buildByOffset()
    {
        ByOffset byOffset {};
        for (auto& position : byOffset)
            position = none;
        if constexpr (dense) {
            for (std::size_t k = 0; k < size; ++k) {
                Position& position = byOffset[offsetOf(valueAt(k))];
                if (position == none)
                    position = static_cast<Position>(k);
            }
        }
        return byOffset;
    }

    // Inserted in table order, equal values stay in table order: the search
    // finds the first pair of a value.
    static constexpr Sorted buildSorted()
    {
        Sorted sorted {};
        for (std::size_t k = 0; k < sorted.size(); ++k) {
            const Entry entry { static_cast<std::underlying_type_t<Source>>(valueAt(k)),
                static_cast<Position>(k) };
            std::size_t at = k;
            for (; at > 0 && sorted[at - 1].value > entry.value; --at)
                sorted[at] = sorted[at - 1];
            sorted[at] = entry;
        }
        return sorted;
    }

    static constexpr ByOffset byOffset = buildByOffset();
    static constexpr Sorted sorted = buildSorted();

    static constexpr std::size_t distinctValues()
    {
        std::size_t count = 0;
        for (const Position position : byOffset)
            count += position != none;
        for (std::size_t k = 0; k < sorted.size(); ++k)
            count += k == 0 || sorted[k - 1].value != sorted[k].value;
        return count;
    }

public:
    /// Whether no value of this side appears in two pairs.
    static constexpr bool unique = distinctValues() == size;

    /// The first pair that lists `source`, or null.
    static constexpr const Pair* find(Source source) noexcept
    {
        if constexpr (dense) {
            const unsigned long long offset = offsetOf(enumValue(source));
            if (offset > span || byOffset[offset] == none)
                return nullptr;
            return &pairs[byOffset[offset]];
        } else {
            // Branch-free lower bound: the halving depends on the size only.
            const auto key = static_cast<std::underlying_type_t<Source>>(source);
            const Entry* first = sorted.data();
            for (std::size_t count = size; count > 1;) {
                const std::size_t half = count / 2;
                first = first[half].value < key ? first + half : first;
                count -= half;
            }
            first += first->value < key;
            return first != sorted.data() + size && first->value == key ? &pairs[first->position] : nullptr;
        }
    }
};

} // namespace detail
} // namespace lguim
