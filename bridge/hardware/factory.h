#pragma once

#include "bridge/hardware/diskspace.h"
#include "bridge/hardware/door.h"
#include "bridge/hardware/fan.h"
#include "bridge/hardware/pumps.h"
#include "bridge/hardware/reboot.h"
#include "bridge/hardware/sensors.h"
#include "bridge/hardware/slavemachines.h"
#include "lea/hardware/factory.h"
#include "lea/helpers/concretefactory.h"

namespace bridge {
namespace hardware {

/// Creates the hardware accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::hardware::Factory, lea::hardware::BoilerTemperature,
    lea::hardware::Brewer, lea::hardware::CupSensor, bridge::hardware::DiskSpace, bridge::hardware::Door,
    bridge::hardware::SlaveMachines, bridge::hardware::Reboot, lea::hardware::TestComponents,
    lea::hardware::DispensingCalibration, lea::hardware::Boilers, bridge::hardware::Pumps,
    lea::hardware::EspressoGroup, bridge::hardware::Fan, lea::hardware::CupDispenser,
    bridge::hardware::Sensors, lea::hardware::Modem, lea::hardware::CodeScanner, lea::hardware::DADD,
    lea::hardware::BoilerParametersLimits, lea::hardware::BLE, lea::hardware::UART, lea::hardware::Ethernet,
    lea::hardware::Wifi>;

} // namespace hardware
} // namespace bridge
