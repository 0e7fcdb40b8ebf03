#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/hardware/inputscheck.h"
#include "lea/hardware/sensors.h"

#include <array>

namespace bridge {
namespace hardware {
using SensorEnumConverter = EnumConverter<InputsCheck::MachineInputs, lea::hardware::Sensors::SensorId>;

namespace detail {
// The interface numbers core input 48 as 11 and moves inputs 11 to 47 up by one.
constexpr std::array<SensorEnumConverter::Pair, InputsCheck::InputCount> sensorPairs()
{
    std::array<SensorEnumConverter::Pair, InputsCheck::InputCount> table {};
    for (int core = 0; core < InputsCheck::InputCount; ++core) {
        const int external = core <= 10 || core == 49 ? core : core == 48 ? 11 : core + 1;
        table[static_cast<std::size_t>(core)] = { static_cast<InputsCheck::MachineInputs>(core),
            static_cast<lea::hardware::Sensors::SensorId>(external) };
    }
    return table;
}
} // namespace detail
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::SensorEnumConverter::Key> {
    bridge::hardware::detail::sensorPairs()
};
