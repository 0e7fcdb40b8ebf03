#pragma once

#include "lea/connectivity/amiclo.h"
#include "lea/connectivity/ersprotocol.h"
#include "lea/connectivity/maestro.h"
#include "lea/connectivity/management.h"
#include "lea/connectivity/newdigital.h"
#include "lea/connectivity/sophia.h"
#include "lea/connectivity/televend.h"
#include "lea/connectivity/touchless.h"
#include "lea/priv/abstractfactory.h"

namespace lea {
namespace connectivity {

/// The factory of the connectivity accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<AmiClo, Management, ERSProtocol, Sophia, Maestro, Televend,
    NewDigital, Touchless>;

} // namespace connectivity
} // namespace lea
