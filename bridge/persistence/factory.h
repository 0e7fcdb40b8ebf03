#pragma once

#include "bridge/persistence/logs.h"
#include "lea/helpers/concretefactory.h"
#include "lea/persistence/factory.h"

namespace bridge {
namespace persistence {

/// Creates the persistence accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::persistence::Factory, bridge::persistence::Logs,
    lea::persistence::FileDownloadsLog, lea::persistence::ObjectDownloadsLog,
    lea::persistence::RemoteRequests>;

} // namespace persistence
} // namespace bridge
