#pragma once

#include "bridge/persistence/loglevelenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace persistence {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<LogLevelEnumConverter>;
} // namespace persistence
} // namespace bridge
