#pragma once

#include "bridge/hardware/boilerparameterslimits.h"
#include "bridge/hardware/boilers.h"
#include "bridge/hardware/boilertemperature.h"
#include "bridge/hardware/codescanner.h"
#include "bridge/hardware/diskspace.h"
#include "bridge/hardware/door.h"
#include "bridge/hardware/fan.h"
#include "bridge/hardware/modem.h"
#include "bridge/hardware/pumps.h"
#include "bridge/hardware/reboot.h"
#include "bridge/hardware/sensors.h"
#include "bridge/hardware/slavemachines.h"
#include "bridge/hardware/uart.h"
#include "lea/hardware/factory.h"
#include "lea/helpers/concretefactory.h"

namespace bridge {
namespace hardware {

/// Creates the hardware accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::hardware::Factory, bridge::hardware::BoilerTemperature,
    lea::hardware::Brewer, lea::hardware::CupSensor, bridge::hardware::DiskSpace, bridge::hardware::Door,
    bridge::hardware::SlaveMachines, bridge::hardware::Reboot, lea::hardware::TestComponents,
    lea::hardware::DispensingCalibration, bridge::hardware::Boilers, bridge::hardware::Pumps,
    lea::hardware::EspressoGroup, bridge::hardware::Fan, lea::hardware::CupDispenser,
    bridge::hardware::Sensors, bridge::hardware::Modem, bridge::hardware::CodeScanner, lea::hardware::DADD,
    bridge::hardware::BoilerParametersLimits, lea::hardware::BLE, bridge::hardware::UART,
    lea::hardware::Ethernet, lea::hardware::Wifi>;

} // namespace hardware
} // namespace bridge
