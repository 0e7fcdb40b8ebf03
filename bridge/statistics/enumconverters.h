#pragma once

#include "bridge/statistics/cleaningmodeenumconverter.h"
#include "bridge/statistics/cleaningstatusenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace statistics {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<CleaningModeEnumConverter, CleaningStatusEnumConverter>;
} // namespace statistics
} // namespace bridge
