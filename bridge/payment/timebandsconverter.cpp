#include "bridge/payment/timebandsconverter.h"

#include "bridge/payment/timebandenumconverter.h"
#include "core/configuration/timebanddatasettings.h"

#include <stdexcept>
#include <string>

namespace bridge {
namespace payment {

lea::payment::TimeBands::TimeBandSwitch TimeBandsConverter::coreTimeBandToLeaTimeBand(
    const TimeBandDataSettings& core)
{
    lea::payment::TimeBands::TimeBandSwitch lea;
    lea.time = core.time();
    lea.day = core.day();
    lea.band = TimeBandEnumConverter::toExternalOrThrow(BeveragePrice::Price::TimeBand(core.band()));
    return lea;
}

TimeBandDataSettings* TimeBandsConverter::newCoreTimeBandFromLeaTimeBand(
    const lea::payment::TimeBands::TimeBandSwitch& lea)
{
    const BeveragePrice::Price::TimeBand band = TimeBandEnumConverter::toInternalOrThrow(lea.band);
    if (!lea.time.isValid())
        throw std::invalid_argument("Invalid time band switch time");
    if (lea.day < Qt::Monday || lea.day > Qt::Sunday)
        throw std::invalid_argument("Invalid time band switch weekday " + std::to_string(int(lea.day)));
    return new TimeBandDataSettings(lea.time, lea.day, int(band));
}

} // namespace payment
} // namespace bridge
