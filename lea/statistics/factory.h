#pragma once

#include "lea/priv/abstractfactory.h"
#include "lea/statistics/cleaningevents.h"
#include "lea/statistics/delivery.h"
#include "lea/statistics/evadts.h"
#include "lea/statistics/settings.h"

namespace lea {
namespace statistics {

/// The factory of the statistics accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<Delivery, Settings, Evadts, CleaningEvents>;

} // namespace statistics
} // namespace lea
