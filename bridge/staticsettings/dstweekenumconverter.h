#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/summertimegeneral.h"
#include "lea/staticsettings/date.h"

namespace bridge {
namespace staticsettings {
/// The week of the month of a change to or from summer time.
using DstWeekEnumConverter = EnumConverter<SummerTimeGeneral::WeekNumber, lea::staticsettings::Date::DstWeek>;
} // namespace staticsettings
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::staticsettings::DstWeekEnumConverter::Key> {
    bridge::staticsettings::DstWeekEnumConverter::pairs({
        { SummerTimeGeneral::FirstWeek, lea::staticsettings::Date::FirstWeek },
        { SummerTimeGeneral::SecondWeek, lea::staticsettings::Date::SecondWeek },
        { SummerTimeGeneral::ThirdWeek, lea::staticsettings::Date::ThirdWeek },
        { SummerTimeGeneral::LastWeek, lea::staticsettings::Date::LastWeek },
    })
};
