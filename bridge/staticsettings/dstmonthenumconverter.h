#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/summertimegeneral.h"
#include "lea/staticsettings/date.h"

namespace bridge {
namespace staticsettings {
/// The month of a change to or from summer time.
using DstMonthEnumConverter
    = EnumConverter<SummerTimeGeneral::MonthNumber, lea::staticsettings::Date::DstMonth>;
} // namespace staticsettings
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::staticsettings::DstMonthEnumConverter::Key> {
    bridge::staticsettings::DstMonthEnumConverter::pairs({
        { SummerTimeGeneral::March, lea::staticsettings::Date::March },
        { SummerTimeGeneral::April, lea::staticsettings::Date::April },
        { SummerTimeGeneral::September, lea::staticsettings::Date::September },
        { SummerTimeGeneral::October, lea::staticsettings::Date::October },
    })
};
