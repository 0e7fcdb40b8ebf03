#pragma once

#include "bridge/qml/sophiaproperties.h"
#include "bridge/taggedenumconverter.h"
#include "lea/connectivity/sophia.h"

namespace bridge {
namespace connectivity {
/// The Sophia modem's state between the property object and the interface.
using ModemStateEnumConverter
    = EnumConverter<qml::SophiaProperties::State, lea::connectivity::Sophia::ModemState>;
} // namespace connectivity
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::connectivity::ModemStateEnumConverter::Key> {
    bridge::connectivity::ModemStateEnumConverter::pairs({
        { bridge::qml::SophiaProperties::FirstStart, lea::connectivity::Sophia::FirstStart },
        { bridge::qml::SophiaProperties::NotFound, lea::connectivity::Sophia::NotFound },
        { bridge::qml::SophiaProperties::WaitData, lea::connectivity::Sophia::WaitData },
        { bridge::qml::SophiaProperties::Ready, lea::connectivity::Sophia::Ready },
        { bridge::qml::SophiaProperties::NotReady, lea::connectivity::Sophia::NotReady },
        { bridge::qml::SophiaProperties::ErrorCollectingData,
            lea::connectivity::Sophia::ErrorCollectingData },
    })
};
