#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/modemmanager.h"
#include "lea/hardware/modem.h"

namespace bridge {
namespace hardware {
/// The modem's connection status between the core and the interface.
using ConnectionStatusEnumConverter
    = EnumConverter<ModemManager::ConnectionStatus, lea::hardware::Modem::ConnectionStatus>;
} // namespace hardware
} // namespace bridge

// The interface does not tell an unknown status from an error; the error comes
// first so that Unknown converts back to it.
template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::ConnectionStatusEnumConverter::Key> {
    bridge::hardware::ConnectionStatusEnumConverter::pairs({
        { ModemManager::ConnectionError, lea::hardware::Modem::Unknown },
        { ModemManager::StatusUnknown, lea::hardware::Modem::Unknown },
        { ModemManager::Disconnected, lea::hardware::Modem::Disconnected },
        { ModemManager::Connecting, lea::hardware::Modem::Connecting },
        { ModemManager::Connected, lea::hardware::Modem::Connected },
    })
};
