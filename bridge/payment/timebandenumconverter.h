#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/beverageprice.h"
#include "lea/payment/timebands.h"

namespace bridge {
namespace payment {
using TimeBandEnumConverter
    = EnumConverter<BeveragePrice::Price::TimeBand, lea::payment::TimeBands::TimeBand>;
} // namespace payment
} // namespace bridge

// The core's fifth band is the machine's own: it has no interface value.
template <>
inline constexpr auto lguim::enumPairs<bridge::payment::TimeBandEnumConverter::Key> {
    bridge::payment::TimeBandEnumConverter::pairs({
        { BeveragePrice::Price::TimeBand0, lea::payment::TimeBands::TimeBand0 },
        { BeveragePrice::Price::TimeBand1, lea::payment::TimeBands::TimeBand1 },
        { BeveragePrice::Price::TimeBand2, lea::payment::TimeBands::TimeBand2 },
        { BeveragePrice::Price::TimeBand3, lea::payment::TimeBands::TimeBand3 },
    })
};
