#pragma once

#include "bridge/maintenance/failures.h"
#include "lea/helpers/concretefactory.h"
#include "lea/maintenance/factory.h"

namespace bridge {
namespace maintenance {

/// Creates the maintenance accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::maintenance::Factory, lea::maintenance::AutomaticRinsing,
    lea::maintenance::InactivityCleaning, lea::maintenance::Cleaning, bridge::maintenance::Failures,
    lea::maintenance::Maintenance, lea::maintenance::SolidWaste, lea::maintenance::Configurations>;

} // namespace maintenance
} // namespace bridge
