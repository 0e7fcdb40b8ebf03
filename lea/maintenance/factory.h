#pragma once

#include "lea/maintenance/automaticrinsing.h"
#include "lea/maintenance/cleaning.h"
#include "lea/maintenance/configurations.h"
#include "lea/maintenance/failures.h"
#include "lea/maintenance/inactivitycleaning.h"
#include "lea/maintenance/maintenance.h"
#include "lea/maintenance/solidwaste.h"
#include "lea/priv/abstractfactory.h"

namespace lea {
namespace maintenance {

/// The factory of the maintenance accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<Cleaning, AutomaticRinsing, InactivityCleaning, Maintenance,
    SolidWaste, Failures, Configurations>;

} // namespace maintenance
} // namespace lea
