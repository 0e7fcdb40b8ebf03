#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/machine/machine.h"
#include "lea/maintenance/failures.h"

namespace bridge {
namespace maintenance {
using ResetMessageEnumConverter
    = EnumConverter<Machine::ResetFailuresMessages, lea::maintenance::Failures::ResetMessage>;
} // namespace maintenance
} // namespace bridge

// The interface's Reserved has no core counterpart.
template <>
inline constexpr auto lguim::enumPairs<bridge::maintenance::ResetMessageEnumConverter::Key> {
    bridge::maintenance::ResetMessageEnumConverter::pairs({
        { Machine::NoFailureToReset, lea::maintenance::Failures::NothingToReset },
        { Machine::FailuresReset, lea::maintenance::Failures::ResetDone },
        { Machine::FailuresRemain, lea::maintenance::Failures::ResetIncomplete },
    })
};
