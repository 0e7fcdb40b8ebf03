#pragma once

#include "bridge/statistics/cleaningevents.h"
#include "bridge/statistics/delivery.h"
#include "bridge/statistics/evadts.h"
#include "lea/helpers/concretefactory.h"
#include "lea/statistics/factory.h"

namespace bridge {
namespace statistics {

/// Creates the statistics accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::statistics::Factory, bridge::statistics::Delivery,
    lea::statistics::Settings, bridge::statistics::Evadts, bridge::statistics::CleaningEvents>;

} // namespace statistics
} // namespace bridge
