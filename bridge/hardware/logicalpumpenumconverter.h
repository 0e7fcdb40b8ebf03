#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/hardware/inputsoutputs.h"
#include "lea/hardware/pumps.h"

#include <array>

namespace bridge {
namespace hardware {
using LogicalPumpEnumConverter
    = EnumConverter<InputsOutputs::LogicalPumpId, lea::hardware::Pumps::LogicalPumpId>;

namespace detail {
// The interface numbers logical pumps from 0 and skips core pump 8.
constexpr std::array<LogicalPumpEnumConverter::Pair, 20> logicalPumpPairs()
{
    std::array<LogicalPumpEnumConverter::Pair, 20> table {};
    std::size_t k = 0;
    for (int core = 1; core <= 21; ++core) {
        if (core == 8)
            continue;
        table[k++] = { static_cast<InputsOutputs::LogicalPumpId>(core),
            static_cast<lea::hardware::Pumps::LogicalPumpId>(core < 8 ? core - 1 : core - 2) };
    }
    return table;
}
} // namespace detail
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::LogicalPumpEnumConverter::Key> {
    bridge::hardware::detail::logicalPumpPairs()
};
