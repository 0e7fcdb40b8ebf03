#pragma once

#include "bridge/connectivity/ersprotocol.h"
#include "bridge/connectivity/maestro.h"
#include "bridge/connectivity/televend.h"
#include "bridge/connectivity/touchless.h"
#include "lea/connectivity/factory.h"
#include "lea/helpers/concretefactory.h"

namespace bridge {
namespace connectivity {

/// Creates the connectivity accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::connectivity::Factory, lea::connectivity::Management,
    bridge::connectivity::ERSProtocol, lea::connectivity::AmiClo, lea::connectivity::Sophia,
    bridge::connectivity::Maestro, bridge::connectivity::Televend, lea::connectivity::NewDigital,
    bridge::connectivity::Touchless>;

} // namespace connectivity
} // namespace bridge
