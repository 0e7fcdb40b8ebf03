#pragma once

#include "bridge/staticsettings/characteristics.h"
#include "bridge/staticsettings/date.h"
#include "bridge/staticsettings/operator.h"
#include "bridge/staticsettings/paths.h"
#include "lea/helpers/concretefactory.h"
#include "lea/staticsettings/factory.h"

namespace bridge {
namespace staticsettings {

/// Creates the staticsettings accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::staticsettings::Factory, Characteristics, Date,
    lea::staticsettings::Languages, Operator, Paths, lea::staticsettings::Network,
    lea::staticsettings::Display, lea::staticsettings::EndLineTest, lea::staticsettings::BoilerCapabilities,
    lea::staticsettings::EnergySavingCapabilities, lea::staticsettings::RollingTextsCapabilities>;

} // namespace staticsettings
} // namespace bridge
