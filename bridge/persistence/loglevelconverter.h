#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/log/loglevel.h"
#include "lea/persistence/logs.h"

namespace lguim {
template <> struct EnumPairs<LogLevel::Level, lea::persistence::Logs::Level, void>
{
    // The core's Info level has no interface counterpart.
    static constexpr EnumPair<LogLevel::Level, lea::persistence::Logs::Level> pairs[] = {
        { LogLevel::Trace, lea::persistence::Logs::Trace },
        { LogLevel::Debug, lea::persistence::Logs::Debug },
        { LogLevel::Warning, lea::persistence::Logs::Warning },
        { LogLevel::Error, lea::persistence::Logs::Error },
        { LogLevel::Fatal, lea::persistence::Logs::Fatal },
    };
};
} // namespace lguim

namespace bridge {
namespace persistence {
using LogLevelConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, LogLevel::Level, bridge::LeaEnum,
    lea::persistence::Logs::Level, void>;
} // namespace persistence
} // namespace bridge
