#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/energysavingsettings.h"
#include "lea/interface/energysaving.h"

namespace bridge {
namespace interface {
/// The energy-saving mode between the core and the interface.
using EnergyModeEnumConverter
    = EnumConverter<EnergySavingSettings::EnergyMode, lea::interface::EnergySaving::Mode>;
} // namespace interface
} // namespace bridge

// The interface does not tell a scheduled "on" from not saving; NoSaving comes
// first so that Normal converts back to it. Entering has no interface value.
template <>
inline constexpr auto lguim::enumPairs<bridge::interface::EnergyModeEnumConverter::Key> {
    bridge::interface::EnergyModeEnumConverter::pairs({
        { EnergySavingSettings::SoftMode, lea::interface::EnergySaving::SoftMode },
        { EnergySavingSettings::DeepMode, lea::interface::EnergySaving::DeepMode },
        { EnergySavingSettings::Off, lea::interface::EnergySaving::Off },
        { EnergySavingSettings::WakingUp, lea::interface::EnergySaving::WakingUp },
        { EnergySavingSettings::NoSaving, lea::interface::EnergySaving::Normal },
        { EnergySavingSettings::ScheduledOn, lea::interface::EnergySaving::Normal },
    })
};
