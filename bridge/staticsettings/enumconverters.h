#pragma once

#include "bridge/staticsettings/stringtypeenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace staticsettings {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<StringTypeEnumConverter>;
} // namespace staticsettings
} // namespace bridge
