#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/summertimegeneral.h"
#include "lea/staticsettings/date.h"

namespace bridge {
namespace staticsettings {
/// The weekday of a change to or from summer time.
using DstDayEnumConverter = EnumConverter<SummerTimeGeneral::DayNumber, lea::staticsettings::Date::DstDay>;
} // namespace staticsettings
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::staticsettings::DstDayEnumConverter::Key> {
    bridge::staticsettings::DstDayEnumConverter::pairs({
        { SummerTimeGeneral::Sunday, lea::staticsettings::Date::Sunday },
        { SummerTimeGeneral::Saturday, lea::staticsettings::Date::Saturday },
    })
};
