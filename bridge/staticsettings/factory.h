#pragma once

#include "lea/helpers/concretefactory.h"
#include "lea/staticsettings/factory.h"

namespace bridge {
namespace staticsettings {

/// Creates the staticsettings accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::staticsettings::Factory,
    lea::staticsettings::Characteristics, lea::staticsettings::Date, lea::staticsettings::Languages,
    lea::staticsettings::Operator, lea::staticsettings::Paths, lea::staticsettings::Network,
    lea::staticsettings::Display, lea::staticsettings::EndLineTest, lea::staticsettings::BoilerCapabilities,
    lea::staticsettings::EnergySavingCapabilities, lea::staticsettings::RollingTextsCapabilities>;

} // namespace staticsettings
} // namespace bridge
