#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/machinesettings.h"
#include "lea/hardware/cupsensor.h"

namespace bridge {
namespace hardware {
/// The cup sensor sensitivity of the machine settings between the core and the interface.
using CupSensorSensitivityEnumConverter
    = EnumConverter<MachineSettings::CupSensorSensibility, lea::hardware::CupSensor::Sensitivity>;
} // namespace hardware
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::hardware::CupSensorSensitivityEnumConverter::Key> {
    bridge::hardware::CupSensorSensitivityEnumConverter::pairs({
        { MachineSettings::LowSensibility, lea::hardware::CupSensor::Low },
        { MachineSettings::MediumSensibility, lea::hardware::CupSensor::Medium },
        { MachineSettings::HighSensibility, lea::hardware::CupSensor::High },
    })
};
