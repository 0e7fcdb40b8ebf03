#pragma once

#include "lea/maintenance/automaticrinsing.h"

#include <memory>

class TimeCleaning;

namespace bridge {
namespace maintenance {

/// Converts the entries of the automatic rinsing schedule. Both directions
/// throw std::invalid_argument for a value without counterpart.
class RinsingConverter
{
public:
    /// The time of day keeps hours and minutes only.
    static lea::maintenance::AutomaticRinsing::Rinsing coreTimeCleaningToLeaRinsing(
        const TimeCleaning& entry);
    /// A new entry without parent; also refuses a time of day that is not valid.
    static std::unique_ptr<TimeCleaning> leaRinsingToCoreTimeCleaning(
        const lea::maintenance::AutomaticRinsing::Rinsing& rinsing);
};

} // namespace maintenance
} // namespace bridge
