#pragma once

#include "lea/connectivity/factory.h"
#include "lea/helpers/concretefactory.h"

namespace bridge {
namespace connectivity {

/// Creates the connectivity accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::connectivity::Factory, lea::connectivity::Management,
    lea::connectivity::ERSProtocol, lea::connectivity::AmiClo, lea::connectivity::Sophia,
    lea::connectivity::Maestro, lea::connectivity::Televend, lea::connectivity::NewDigital,
    lea::connectivity::Touchless>;

} // namespace connectivity
} // namespace bridge
