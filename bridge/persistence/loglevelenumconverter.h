#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/log/loglevel.h"
#include "lea/persistence/logs.h"

namespace bridge {
namespace persistence {
using LogLevelEnumConverter = EnumConverter<LogLevel::Level, lea::persistence::Logs::Level>;
} // namespace persistence
} // namespace bridge

// The core's Info level has no interface counterpart.
template <>
inline constexpr auto lguim::enumPairs<bridge::persistence::LogLevelEnumConverter::Key> {
    bridge::persistence::LogLevelEnumConverter::pairs({
        { LogLevel::Trace, lea::persistence::Logs::Trace },
        { LogLevel::Debug, lea::persistence::Logs::Debug },
        { LogLevel::Warning, lea::persistence::Logs::Warning },
        { LogLevel::Error, lea::persistence::Logs::Error },
        { LogLevel::Fatal, lea::persistence::Logs::Fatal },
    })
};
