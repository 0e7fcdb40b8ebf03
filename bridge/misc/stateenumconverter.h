#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/cpustatemachine.h"
#include "lea/misc/states.h"

namespace bridge {
namespace misc {
using StateEnumConverter = EnumConverter<CpuStateMachine::State, lea::misc::States::State>;
} // namespace misc
} // namespace bridge

// The interface does not tell the two states before initialisation apart;
// Undefined comes first so that Unknown converts back to it.
template <>
inline constexpr auto lguim::enumPairs<bridge::misc::StateEnumConverter::Key> {
    bridge::misc::StateEnumConverter::pairs({
        { CpuStateMachine::Undefined, lea::misc::States::Unknown },
        { CpuStateMachine::Booting, lea::misc::States::Unknown },
        { CpuStateMachine::Initialising, lea::misc::States::Initialising },
        { CpuStateMachine::HeatingUp, lea::misc::States::HeatingUp },
        { CpuStateMachine::Ready, lea::misc::States::Ready },
        { CpuStateMachine::Selecting, lea::misc::States::Selecting },
        { CpuStateMachine::AwaitingPayment, lea::misc::States::AwaitingPayment },
        { CpuStateMachine::EnergySaving, lea::misc::States::EnergySaving },
        { CpuStateMachine::Failure, lea::misc::States::Failure },
        { CpuStateMachine::Cleaning, lea::misc::States::Cleaning },
        { CpuStateMachine::Maintenance, lea::misc::States::Maintenance },
        { CpuStateMachine::Programming, lea::misc::States::Programming },
        { CpuStateMachine::OutOfService, lea::misc::States::OutOfService },
        { CpuStateMachine::Dispensing, lea::misc::States::Dispensing },
        { CpuStateMachine::Updating, lea::misc::States::Updating },
    })
};
