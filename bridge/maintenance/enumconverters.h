#pragma once

#include "bridge/maintenance/failureidenumconverter.h"
#include "bridge/maintenance/resetmessageenumconverter.h"
#include "bridge/maintenance/rinsingdaysenumconverter.h"
#include "bridge/maintenance/rinsingtypeenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace maintenance {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<FailureIdEnumConverter, ResetMessageEnumConverter,
    RinsingTypeEnumConverter, RinsingDaysEnumConverter>;
} // namespace maintenance
} // namespace bridge
