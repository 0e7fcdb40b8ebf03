#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/cleaningsettings.h"
#include "lea/statistics/cleaningevents.h"

namespace bridge {
namespace statistics {
using CleaningStatusEnumConverter
    = EnumConverter<CleaningSettings::RinsingState, lea::statistics::CleaningStatus>;
} // namespace statistics
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::statistics::CleaningStatusEnumConverter::Key> {
    bridge::statistics::CleaningStatusEnumConverter::pairs({
        { CleaningSettings::RinsingRequested, lea::statistics::Requested },
        { CleaningSettings::RinsingStarted, lea::statistics::Started },
        { CleaningSettings::RinsingRunning, lea::statistics::Running },
        { CleaningSettings::RinsingFinished, lea::statistics::Finished },
        { CleaningSettings::RinsingAborted, lea::statistics::Aborted },
    })
};
