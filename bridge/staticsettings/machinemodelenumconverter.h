#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/hardwareenvironment.h"
#include "lea/staticsettings/characteristics.h"

namespace bridge {
namespace staticsettings {
/// The machine models of the core; the interface's fresh-brew and duo models have none.
using MachineModelEnumConverter
    = EnumConverter<HardwareEnvironment::MachineModel, lea::staticsettings::Characteristics::Model>;
} // namespace staticsettings
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::staticsettings::MachineModelEnumConverter::Key> {
    bridge::staticsettings::MachineModelEnumConverter::pairs({
        { HardwareEnvironment::TableTopInstant, lea::staticsettings::Characteristics::TableTopInstant },
        { HardwareEnvironment::TableTopEspresso, lea::staticsettings::Characteristics::TableTopEspresso },
        { HardwareEnvironment::FloorStandingInstant,
            lea::staticsettings::Characteristics::FloorStandingInstant },
        { HardwareEnvironment::FloorStandingEspresso,
            lea::staticsettings::Characteristics::FloorStandingEspresso },
        { HardwareEnvironment::CompactInstant, lea::staticsettings::Characteristics::CompactInstant },
        { HardwareEnvironment::CompactEspresso, lea::staticsettings::Characteristics::CompactEspresso },
        { HardwareEnvironment::Quorra, lea::staticsettings::Characteristics::Quorra },
    })
};
