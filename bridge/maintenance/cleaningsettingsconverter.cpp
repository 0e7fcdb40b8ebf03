#include "bridge/maintenance/cleaningsettingsconverter.h"

#include "bridge/maintenance/rinsingdaysenumconverter.h"
#include "bridge/maintenance/rinsingtypeenumconverter.h"

namespace bridge {
namespace maintenance {

lea::maintenance::InactivityCleaning::Settings CleaningSettingsConverter::coreInactivityCleaningToLeaSettings(
    const CleaningSettings::InactivityCleaning& entry)
{
    lea::maintenance::InactivityCleaning::Settings settings;
    settings.type = RinsingTypeEnumConverter::toExternalOrThrow(entry.type);
    settings.enabled = entry.enabled;
    settings.inactivityMinutes = entry.inactivityMinutes;
    settings.amount = entry.amount;
    return settings;
}

lea::maintenance::Cleaning::Settings CleaningSettingsConverter::coreWarningCleaningToLeaSettings(
    const CleaningSettings::WarningCleaning& entry)
{
    lea::maintenance::Cleaning::Settings settings;
    settings.enabled = entry.enabled;
    settings.interval = int64_t(entry.interval);
    settings.warningBefore = entry.warningBefore;
    settings.blocking = entry.blocking;
    settings.type = RinsingTypeEnumConverter::toExternalOrThrow(entry.type);
    settings.day = RinsingDaysEnumConverter::toExternalOrThrow(TimeCleaning::EveryDay);
    settings.time = QTime();
    settings.amount = 0;
    return settings;
}

} // namespace maintenance
} // namespace bridge
