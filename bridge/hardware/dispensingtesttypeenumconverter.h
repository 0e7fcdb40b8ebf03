#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/abstracterogationprotocol.h"
#include "lea/hardware/dispensingcalibration.h"

#include <array>

namespace bridge {
namespace hardware {
using DispensingTestTypeEnumConverter = EnumConverter<AbstractErogationProtocol::ErogationTestType,
    lea::hardware::DispensingCalibration::DispensingTestType>;

namespace detail {
// Both sides number the test types alike.
constexpr std::array<DispensingTestTypeEnumConverter::Pair, 5> dispensingTestTypePairs()
{
    std::array<DispensingTestTypeEnumConverter::Pair, 5> table {};
    for (int type = 0; type < 5; ++type) {
        table[static_cast<std::size_t>(type)]
            = { static_cast<AbstractErogationProtocol::ErogationTestType>(type),
                  static_cast<lea::hardware::DispensingCalibration::DispensingTestType>(type) };
    }
    return table;
}
} // namespace detail
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::DispensingTestTypeEnumConverter::Key> {
    bridge::hardware::detail::dispensingTestTypePairs()
};
