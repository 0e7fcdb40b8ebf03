#pragma once

#include "lea/payment/timebands.h"

class TimeBandDataSettings;

namespace bridge {
namespace payment {

/// Converts one time band switch between the core and the interface.
class TimeBandsConverter
{
public:
    /// Throws std::invalid_argument for a core band without interface value.
    static lea::payment::TimeBands::TimeBandSwitch coreTimeBandToLeaTimeBand(
        const TimeBandDataSettings& core);
    /// A new switch without parent, owned by the caller. Throws
    /// std::invalid_argument for a band without core value, an invalid time or
    /// a weekday outside Monday to Sunday: such a switch could not be stored.
    static TimeBandDataSettings* newCoreTimeBandFromLeaTimeBand(
        const lea::payment::TimeBands::TimeBandSwitch& lea);
};

} // namespace payment
} // namespace bridge
