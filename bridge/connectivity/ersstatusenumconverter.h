#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/gui/ersprotocolproperties.h"
#include "lea/connectivity/ersprotocol.h"

namespace bridge {
namespace connectivity {
/// An ERS integration's state between the core GUI's properties and the interface.
using ErsStatusEnumConverter
    = EnumConverter<ERSProtocolProperties::Status, lea::connectivity::ERSProtocol::Status>;
} // namespace connectivity
} // namespace bridge

// One to one.
template <>
inline constexpr auto lguim::enumPairs<bridge::connectivity::ErsStatusEnumConverter::Key> {
    bridge::connectivity::ErsStatusEnumConverter::pairs({
        { ERSProtocolProperties::Inactive, lea::connectivity::ERSProtocol::Inactive },
        { ERSProtocolProperties::Initializing, lea::connectivity::ERSProtocol::Initializing },
        { ERSProtocolProperties::Ready, lea::connectivity::ERSProtocol::Ready },
        { ERSProtocolProperties::Busy, lea::connectivity::ERSProtocol::Busy },
        { ERSProtocolProperties::Error, lea::connectivity::ERSProtocol::Error },
        { ERSProtocolProperties::Offline, lea::connectivity::ERSProtocol::Offline },
    })
};
