#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/cleaningsettings.h"
#include "lea/maintenance/rinsing.h"

namespace bridge {
namespace maintenance {
using RinsingTypeEnumConverter = EnumConverter<CleaningSettings::RinsingType, lea::maintenance::RinsingType>;
} // namespace maintenance
} // namespace bridge

// The interface's 13 and 14 have no core counterpart; its 15 and 16 are the core's 14 and 13.
template <>
inline constexpr auto lguim::enumPairs<bridge::maintenance::RinsingTypeEnumConverter::Key> {
    bridge::maintenance::RinsingTypeEnumConverter::pairs({
        { CleaningSettings::Rinsing0, lea::maintenance::Rinsing0 },
        { CleaningSettings::Rinsing1, lea::maintenance::Rinsing1 },
        { CleaningSettings::Rinsing2, lea::maintenance::Rinsing2 },
        { CleaningSettings::Rinsing3, lea::maintenance::Rinsing3 },
        { CleaningSettings::Rinsing4, lea::maintenance::Rinsing4 },
        { CleaningSettings::Rinsing5, lea::maintenance::Rinsing5 },
        { CleaningSettings::Rinsing6, lea::maintenance::Rinsing6 },
        { CleaningSettings::Rinsing7, lea::maintenance::Rinsing7 },
        { CleaningSettings::Rinsing8, lea::maintenance::Rinsing8 },
        { CleaningSettings::Rinsing9, lea::maintenance::Rinsing9 },
        { CleaningSettings::Rinsing10, lea::maintenance::Rinsing10 },
        { CleaningSettings::Rinsing11, lea::maintenance::Rinsing11 },
        { CleaningSettings::Rinsing12, lea::maintenance::Rinsing12 },
        { CleaningSettings::Rinsing14, lea::maintenance::Rinsing15 },
        { CleaningSettings::Rinsing13, lea::maintenance::Rinsing16 },
    })
};
