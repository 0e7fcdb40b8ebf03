#pragma once

#include "bridge/maintenance/automaticrinsing.h"
#include "bridge/maintenance/cleaning.h"
#include "bridge/maintenance/configurations.h"
#include "bridge/maintenance/failures.h"
#include "bridge/maintenance/inactivitycleaning.h"
#include "bridge/maintenance/maintenance.h"
#include "bridge/maintenance/solidwaste.h"
#include "lea/helpers/concretefactory.h"
#include "lea/maintenance/factory.h"

namespace bridge {
namespace maintenance {

/// Creates the maintenance accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::maintenance::Factory,
    bridge::maintenance::AutomaticRinsing, bridge::maintenance::InactivityCleaning,
    bridge::maintenance::Cleaning, bridge::maintenance::Failures, bridge::maintenance::Maintenance,
    bridge::maintenance::SolidWaste, bridge::maintenance::Configurations>;

} // namespace maintenance
} // namespace bridge
