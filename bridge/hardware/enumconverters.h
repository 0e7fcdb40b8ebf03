#pragma once

#include "bridge/hardware/boilertypeenumconverter.h"
#include "bridge/hardware/boostespressotypeenumconverter.h"
#include "bridge/hardware/boostinstanttypeenumconverter.h"
#include "bridge/hardware/componentenumconverter.h"
#include "bridge/hardware/connectionstatusenumconverter.h"
#include "bridge/hardware/cupsensordevicesensitivityenumconverter.h"
#include "bridge/hardware/cupsensormodeenumconverter.h"
#include "bridge/hardware/cupsensorsensitivityenumconverter.h"
#include "bridge/hardware/dispensingtesttypeenumconverter.h"
#include "bridge/hardware/emptyboilerstateenumconverter.h"
#include "bridge/hardware/erogationruleenumconverter.h"
#include "bridge/hardware/logicalpumpenumconverter.h"
#include "bridge/hardware/sensorenumconverter.h"
#include "bridge/hardware/uartfeatureenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace hardware {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<LogicalPumpEnumConverter, SensorEnumConverter,
    ConnectionStatusEnumConverter, UARTFeatureEnumConverter, DispensingTestTypeEnumConverter,
    ComponentEnumConverter, CupSensorModeEnumConverter, CupSensorSensitivityEnumConverter,
    CupSensorDeviceSensitivityEnumConverter, ErogationRuleEnumConverter, BoilerTypeEnumConverter,
    EmptyBoilerStateEnumConverter, BoostInstantTypeEnumConverter, BoostEspressoTypeEnumConverter>;
} // namespace hardware
} // namespace bridge
