#pragma once

#include "bridge/misc/crypt.h"
#include "bridge/misc/states.h"
#include "bridge/misc/watchdog.h"
#include "lea/helpers/concretefactory.h"
#include "lea/misc/factory.h"

namespace bridge {
namespace misc {

/// Creates the misc accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::misc::Factory, bridge::misc::States, lea::misc::Events,
    bridge::misc::Crypt, lea::misc::Files, bridge::misc::Watchdog>;

} // namespace misc
} // namespace bridge
