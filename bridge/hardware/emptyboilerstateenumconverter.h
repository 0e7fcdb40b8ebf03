#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/erogationprotocolmivotouchdaltorusena.h"
#include "lea/hardware/boilers.h"

#include <array>

namespace bridge {
namespace hardware {
/// The steps of the procedure that empties the boilers.
using EmptyBoilerStateEnumConverter
    = EnumConverter<ErogationProtocolMivoTouchDaltoRusena::DaltoRusEmptyBoilerState,
        lea::hardware::Boilers::EmptyBoilerState>;

namespace detail {
// The interface numbers the states from 0 in this order; the board states 105
// and 108 have no interface counterpart.
constexpr int kEmptyBoilerCoreStates[] = { 0, 113, 114, 100, 1, 2, 3, 4, 101, 102, 103, 104, 106, 107, 109,
    110, 111, 112, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124 };
constexpr std::size_t kEmptyBoilerStateCount = sizeof(kEmptyBoilerCoreStates) / sizeof(int);

constexpr std::array<EmptyBoilerStateEnumConverter::Pair, kEmptyBoilerStateCount> emptyBoilerStatePairs()
{
    std::array<EmptyBoilerStateEnumConverter::Pair, kEmptyBoilerStateCount> table {};
    for (std::size_t k = 0; k < kEmptyBoilerStateCount; ++k)
        table[k] = { static_cast<ErogationProtocolMivoTouchDaltoRusena::DaltoRusEmptyBoilerState>(
                         kEmptyBoilerCoreStates[k]),
            static_cast<lea::hardware::Boilers::EmptyBoilerState>(k) };
    return table;
}
} // namespace detail
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::EmptyBoilerStateEnumConverter::Key> {
    bridge::hardware::detail::emptyBoilerStatePairs()
};
