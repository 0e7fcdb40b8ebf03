#pragma once

#include "bridge/hardware/boilerparameterslimits.h"
#include "bridge/hardware/boilers.h"
#include "bridge/hardware/boilertemperature.h"
#include "bridge/hardware/brewer.h"
#include "bridge/hardware/codescanner.h"
#include "bridge/hardware/cupdispenser.h"
#include "bridge/hardware/cupsensor.h"
#include "bridge/hardware/dadd.h"
#include "bridge/hardware/diskspace.h"
#include "bridge/hardware/dispensingcalibration.h"
#include "bridge/hardware/door.h"
#include "bridge/hardware/espressogroup.h"
#include "bridge/hardware/fan.h"
#include "bridge/hardware/modem.h"
#include "bridge/hardware/pumps.h"
#include "bridge/hardware/reboot.h"
#include "bridge/hardware/sensors.h"
#include "bridge/hardware/slavemachines.h"
#include "bridge/hardware/testcomponents.h"
#include "bridge/hardware/uart.h"
#include "lea/hardware/factory.h"
#include "lea/helpers/concretefactory.h"

namespace bridge {
namespace hardware {

/// Creates the hardware accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::hardware::Factory, bridge::hardware::BoilerTemperature,
    bridge::hardware::Brewer, bridge::hardware::CupSensor, bridge::hardware::DiskSpace,
    bridge::hardware::Door, bridge::hardware::SlaveMachines, bridge::hardware::Reboot,
    bridge::hardware::TestComponents, bridge::hardware::DispensingCalibration, bridge::hardware::Boilers,
    bridge::hardware::Pumps, bridge::hardware::EspressoGroup, bridge::hardware::Fan,
    bridge::hardware::CupDispenser, bridge::hardware::Sensors, bridge::hardware::Modem,
    bridge::hardware::CodeScanner, bridge::hardware::DADD, bridge::hardware::BoilerParametersLimits,
    lea::hardware::BLE, bridge::hardware::UART, lea::hardware::Ethernet, lea::hardware::Wifi>;

} // namespace hardware
} // namespace bridge
