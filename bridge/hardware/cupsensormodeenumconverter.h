#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/physicalmachine.h"
#include "lea/hardware/cupsensor.h"

namespace bridge {
namespace hardware {
/// The cup sensor's mode between the core and the interface.
using CupSensorModeEnumConverter
    = EnumConverter<PhysicalMachine::CupSensorMode, lea::hardware::CupSensor::Mode>;
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::CupSensorModeEnumConverter::Key> {
    bridge::hardware::CupSensorModeEnumConverter::pairs({
        { PhysicalMachine::CupSensorMode0, lea::hardware::CupSensor::Mode0 },
        { PhysicalMachine::CupSensorMode1, lea::hardware::CupSensor::Mode1 },
        { PhysicalMachine::CupSensorMode2, lea::hardware::CupSensor::Mode2 },
        { PhysicalMachine::CupSensorMode3, lea::hardware::CupSensor::Mode3 },
        { PhysicalMachine::CupSensorMode4, lea::hardware::CupSensor::Mode4 },
    })
};
