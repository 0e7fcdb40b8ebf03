#include "bridge/maintenance/rinsingconverter.h"

#include "bridge/maintenance/rinsingdaysenumconverter.h"
#include "bridge/maintenance/rinsingtypeenumconverter.h"
#include "core/gui/timecleaning.h"

#include <stdexcept>

namespace bridge {
namespace maintenance {

lea::maintenance::AutomaticRinsing::Rinsing RinsingConverter::coreTimeCleaningToLeaRinsing(
    const TimeCleaning& entry)
{
    lea::maintenance::AutomaticRinsing::Rinsing rinsing;
    rinsing.type = RinsingTypeEnumConverter::toExternalOrThrow(entry.module());
    rinsing.day = RinsingDaysEnumConverter::toExternalOrThrow(entry.day());
    rinsing.time = QTime(entry.hour(), entry.minute(), 0, 0);
    return rinsing;
}

std::unique_ptr<TimeCleaning> RinsingConverter::leaRinsingToCoreTimeCleaning(
    const lea::maintenance::AutomaticRinsing::Rinsing& rinsing)
{
    auto entry = std::make_unique<TimeCleaning>();
    entry->setDay(RinsingDaysEnumConverter::toInternalOrThrow(rinsing.day));
    // A null time would be stored as hour -1 and never run.
    if (!rinsing.time.isValid())
        throw std::invalid_argument("Invalid rinsing time");
    entry->setHour(rinsing.time.hour());
    entry->setMinute(rinsing.time.minute());
    entry->setModule(RinsingTypeEnumConverter::toInternalOrThrow(rinsing.type));
    return entry;
}

} // namespace maintenance
} // namespace bridge
