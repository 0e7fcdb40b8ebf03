#pragma once

#include "lea/helpers/concretefactory.h"
#include "lea/misc/factory.h"

namespace bridge {
namespace misc {

/// Creates the misc accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::misc::Factory,
    lea::misc::States,
    lea::misc::Events,
    lea::misc::Crypt,
    lea::misc::Files,
    lea::misc::Watchdog>;

} // namespace misc
} // namespace bridge
