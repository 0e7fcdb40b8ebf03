#pragma once

#include "bridge/persistence/filedownloadslog.h"
#include "bridge/persistence/logs.h"
#include "bridge/persistence/objectdownloadslog.h"
#include "bridge/persistence/remoterequests.h"
#include "lea/helpers/concretefactory.h"
#include "lea/persistence/factory.h"

namespace bridge {
namespace persistence {

/// Creates the persistence accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::persistence::Factory, bridge::persistence::Logs,
    bridge::persistence::FileDownloadsLog, bridge::persistence::ObjectDownloadsLog,
    bridge::persistence::RemoteRequests>;

} // namespace persistence
} // namespace bridge
