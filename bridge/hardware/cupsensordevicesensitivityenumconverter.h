#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/hardware/abstractcupsensor.h"
#include "lea/hardware/cupsensor.h"

namespace bridge {
namespace hardware {
/// The cup sensor device's sensitivity between the core and the interface.
using CupSensorDeviceSensitivityEnumConverter
    = EnumConverter<AbstractCupSensor::CupSensorSensibility, lea::hardware::CupSensor::Sensitivity>;
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::CupSensorDeviceSensitivityEnumConverter::Key> {
    bridge::hardware::CupSensorDeviceSensitivityEnumConverter::pairs({
        { AbstractCupSensor::LowSensibility, lea::hardware::CupSensor::Low },
        { AbstractCupSensor::MediumSensibility, lea::hardware::CupSensor::Medium },
        { AbstractCupSensor::HighSensibility, lea::hardware::CupSensor::High },
    })
};
