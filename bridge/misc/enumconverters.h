#pragma once

#include "bridge/misc/erogationstateenumconverter.h"
#include "bridge/misc/stateenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace misc {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<ErogationStateEnumConverter, StateEnumConverter>;
} // namespace misc
} // namespace bridge
