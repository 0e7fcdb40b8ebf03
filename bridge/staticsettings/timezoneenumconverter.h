#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/dstgeneralsettings.h"
#include "lea/staticsettings/date.h"

namespace bridge {
namespace staticsettings {
/// The region whose daylight-saving rule the machine follows.
using TimeZoneEnumConverter
    = EnumConverter<DSTGeneralSettings::TimeZone, lea::staticsettings::Date::TimeZone>;
} // namespace staticsettings
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::staticsettings::TimeZoneEnumConverter::Key> {
    bridge::staticsettings::TimeZoneEnumConverter::pairs({
        { DSTGeneralSettings::WesternEurope, lea::staticsettings::Date::WesternEurope },
        { DSTGeneralSettings::CentralEurope, lea::staticsettings::Date::CentralEurope },
        { DSTGeneralSettings::EasternEurope, lea::staticsettings::Date::EasternEurope },
        { DSTGeneralSettings::NorthAmerica, lea::staticsettings::Date::NorthAmerica },
        { DSTGeneralSettings::SouthAmerica, lea::staticsettings::Date::SouthAmerica },
        { DSTGeneralSettings::Oceania, lea::staticsettings::Date::Oceania },
    })
};
