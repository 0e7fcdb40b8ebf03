#pragma once

#include "core/configuration/cleaningsettings.h"
#include "lea/maintenance/cleaning.h"
#include "lea/maintenance/inactivitycleaning.h"

namespace bridge {
namespace maintenance {

/// Converts the cleaning entries of the configuration's cleaning settings.
/// Both throw std::invalid_argument for a rinsing type without counterpart.
class CleaningSettingsConverter
{
public:
    static lea::maintenance::InactivityCleaning::Settings coreInactivityCleaningToLeaSettings(
        const CleaningSettings::InactivityCleaning& entry);
    /// The day, time and amount are not the core's: always every day, a null time and 0.
    static lea::maintenance::Cleaning::Settings coreWarningCleaningToLeaSettings(
        const CleaningSettings::WarningCleaning& entry);
};

} // namespace maintenance
} // namespace bridge
