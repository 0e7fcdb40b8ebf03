#pragma once

#include "bridge/staticsettings/dstdayenumconverter.h"
#include "bridge/staticsettings/dstmonthenumconverter.h"
#include "bridge/staticsettings/dstweekenumconverter.h"
#include "bridge/staticsettings/machinemodelenumconverter.h"
#include "bridge/staticsettings/slaveselectionenumconverter.h"
#include "bridge/staticsettings/stringtypeenumconverter.h"
#include "bridge/staticsettings/timezoneenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace staticsettings {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters
    = lguim::TypeList<StringTypeEnumConverter, MachineModelEnumConverter, SlaveSelectionEnumConverter,
        TimeZoneEnumConverter, DstDayEnumConverter, DstWeekEnumConverter, DstMonthEnumConverter>;
} // namespace staticsettings
} // namespace bridge
