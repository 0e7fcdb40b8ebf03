#pragma once

#include "bridge/connectivity/ersstatusenumconverter.h"
#include "bridge/connectivity/modemstateenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace connectivity {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<ErsStatusEnumConverter, ModemStateEnumConverter>;
} // namespace connectivity
} // namespace bridge
