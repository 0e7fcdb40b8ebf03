#pragma once

#include "lea/hardware/ble.h"
#include "lea/hardware/boilerparameterslimits.h"
#include "lea/hardware/boilers.h"
#include "lea/hardware/boilertemperature.h"
#include "lea/hardware/brewer.h"
#include "lea/hardware/codescanner.h"
#include "lea/hardware/cupdispenser.h"
#include "lea/hardware/cupsensor.h"
#include "lea/hardware/dadd.h"
#include "lea/hardware/diskspace.h"
#include "lea/hardware/dispensingcalibration.h"
#include "lea/hardware/door.h"
#include "lea/hardware/espressogroup.h"
#include "lea/hardware/ethernet.h"
#include "lea/hardware/fan.h"
#include "lea/hardware/modem.h"
#include "lea/hardware/pumps.h"
#include "lea/hardware/reboot.h"
#include "lea/hardware/sensors.h"
#include "lea/hardware/slavemachines.h"
#include "lea/hardware/testcomponents.h"
#include "lea/hardware/uart.h"
#include "lea/hardware/wifi.h"
#include "lea/priv/abstractfactory.h"

namespace lea {
namespace hardware {

/// The factory of the hardware accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<Door, Brewer, CupSensor, BoilerTemperature, DiskSpace,
    SlaveMachines, Reboot, TestComponents, DispensingCalibration, Boilers, Pumps, Fan, EspressoGroup,
    CupDispenser, Sensors, Modem, CodeScanner, BLE, UART, DADD, BoilerParametersLimits, Ethernet, Wifi>;

} // namespace hardware
} // namespace lea
