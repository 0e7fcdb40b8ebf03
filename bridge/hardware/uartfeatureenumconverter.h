#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/uartmanager.h"
#include "lea/hardware/uart.h"

namespace bridge {
namespace hardware {
/// The features of the shared serial port between the core and the interface.
using UARTFeatureEnumConverter = EnumConverter<UARTSupportedFeature, lea::hardware::UART::Feature>;
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::UARTFeatureEnumConverter::Key> {
    bridge::hardware::UARTFeatureEnumConverter::pairs({
        { UARTCodeScanner, lea::hardware::UART::CodeScanner },
        { UARTTouchlessPayment, lea::hardware::UART::TouchlessPayment },
    })
};
