#pragma once

#include "lea/persistence/filedownloadslog.h"
#include "lea/persistence/logs.h"
#include "lea/persistence/objectdownloadslog.h"
#include "lea/persistence/remoterequests.h"
#include "lea/priv/abstractfactory.h"

namespace lea {
namespace persistence {

/// The factory of the persistence accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<Logs, ObjectDownloadsLog, FileDownloadsLog, RemoteRequests>;

} // namespace persistence
} // namespace lea
