#pragma once

#include "bridge/hardware/connectionstatusenumconverter.h"
#include "bridge/hardware/uartfeatureenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace hardware {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<ConnectionStatusEnumConverter, UARTFeatureEnumConverter>;
} // namespace hardware
} // namespace bridge
