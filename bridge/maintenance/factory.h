#pragma once

#include "bridge/maintenance/automaticrinsing.h"
#include "bridge/maintenance/cleaning.h"
#include "bridge/maintenance/failures.h"
#include "bridge/maintenance/inactivitycleaning.h"
#include "lea/helpers/concretefactory.h"
#include "lea/maintenance/factory.h"

namespace bridge {
namespace maintenance {

/// Creates the maintenance accessors; an interface listed as itself is not available on this machine.
using Factory
    = lea::helpers::ConcreteFactory<lea::maintenance::Factory, bridge::maintenance::AutomaticRinsing,
        bridge::maintenance::InactivityCleaning, bridge::maintenance::Cleaning, bridge::maintenance::Failures,
        lea::maintenance::Maintenance, lea::maintenance::SolidWaste, lea::maintenance::Configurations>;

} // namespace maintenance
} // namespace bridge
