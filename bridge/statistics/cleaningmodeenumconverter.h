#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/cleaningsettings.h"
#include "lea/statistics/cleaningevents.h"

namespace bridge {
namespace statistics {
using CleaningModeEnumConverter = EnumConverter<CleaningSettings::RinsingMode, lea::statistics::CleaningMode>;
} // namespace statistics
} // namespace bridge

// The core's NoMode has no interface counterpart.
template <>
inline constexpr auto lguim::enumPairs<bridge::statistics::CleaningModeEnumConverter::Key> {
    bridge::statistics::CleaningModeEnumConverter::pairs({
        { CleaningSettings::ManualMode, lea::statistics::Manual },
        { CleaningSettings::ScheduledMode, lea::statistics::Scheduled },
        { CleaningSettings::InactivityMode, lea::statistics::Inactivity },
        { CleaningSettings::WarningMode, lea::statistics::Warning },
    })
};
