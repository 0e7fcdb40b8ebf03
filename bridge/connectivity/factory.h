#pragma once

#include "bridge/connectivity/amiclo.h"
#include "bridge/connectivity/ersprotocol.h"
#include "bridge/connectivity/maestro.h"
#include "bridge/connectivity/management.h"
#include "bridge/connectivity/newdigital.h"
#include "bridge/connectivity/sophia.h"
#include "bridge/connectivity/televend.h"
#include "bridge/connectivity/touchless.h"
#include "lea/connectivity/factory.h"
#include "lea/helpers/concretefactory.h"

namespace bridge {
namespace connectivity {

/// Creates the connectivity accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::connectivity::Factory, bridge::connectivity::Management,
    bridge::connectivity::ERSProtocol, bridge::connectivity::AmiClo, bridge::connectivity::Sophia,
    bridge::connectivity::Maestro, bridge::connectivity::Televend, bridge::connectivity::NewDigital,
    bridge::connectivity::Touchless>;

} // namespace connectivity
} // namespace bridge
