#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/gui/timecleaning.h"
#include "lea/maintenance/rinsing.h"

namespace bridge {
namespace maintenance {
using RinsingDaysEnumConverter = EnumConverter<TimeCleaning::RinsingDays, lea::maintenance::RinsingDays>;
} // namespace maintenance
} // namespace bridge

// The core's NoDay has no interface counterpart.
template <>
inline constexpr auto lguim::enumPairs<bridge::maintenance::RinsingDaysEnumConverter::Key> {
    bridge::maintenance::RinsingDaysEnumConverter::pairs({
        { TimeCleaning::Monday, lea::maintenance::Monday },
        { TimeCleaning::Tuesday, lea::maintenance::Tuesday },
        { TimeCleaning::Wednesday, lea::maintenance::Wednesday },
        { TimeCleaning::Thursday, lea::maintenance::Thursday },
        { TimeCleaning::Friday, lea::maintenance::Friday },
        { TimeCleaning::Saturday, lea::maintenance::Saturday },
        { TimeCleaning::Sunday, lea::maintenance::Sunday },
        { TimeCleaning::EveryDay, lea::maintenance::EveryDay },
        { TimeCleaning::WorkingDays, lea::maintenance::WorkingDays },
        { TimeCleaning::Weekend, lea::maintenance::Weekend },
    })
};
