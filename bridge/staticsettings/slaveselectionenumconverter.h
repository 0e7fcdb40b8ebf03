#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/multimachines/baseslavemachine.h"
#include "lea/staticsettings/characteristics.h"

namespace bridge {
namespace staticsettings {
/// How the customer selects the products of a slave machine.
using SlaveSelectionEnumConverter = EnumConverter<MultiMachines::BaseSlaveMachine::SlaveSelectionType,
    lea::staticsettings::Characteristics::SlaveSelection>;
} // namespace staticsettings
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::staticsettings::SlaveSelectionEnumConverter::Key> {
    bridge::staticsettings::SlaveSelectionEnumConverter::pairs({
        { MultiMachines::BaseSlaveMachine::SelectionOnMaster,
            lea::staticsettings::Characteristics::SelectionOnMaster },
        { MultiMachines::BaseSlaveMachine::SelectionOnSlave,
            lea::staticsettings::Characteristics::SelectionOnSlave },
        { MultiMachines::BaseSlaveMachine::SelectionOnBoth,
            lea::staticsettings::Characteristics::SelectionOnBoth },
        { MultiMachines::BaseSlaveMachine::SelectionDisabled,
            lea::staticsettings::Characteristics::SelectionDisabled },
    })
};
