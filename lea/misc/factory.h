#pragma once

#include "lea/misc/crypt.h"
#include "lea/misc/events.h"
#include "lea/misc/files.h"
#include "lea/misc/states.h"
#include "lea/misc/watchdog.h"
#include "lea/priv/abstractfactory.h"

namespace lea {
namespace misc {

/// The factory of the misc accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<States, Events, Crypt, Files, Watchdog>;

} // namespace misc
} // namespace lea
