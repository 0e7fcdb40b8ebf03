#pragma once

#include "core/log/logmodule.h"
#include "lea/persistence/logs.h"
#include "nonstd/optional.hpp"

namespace bridge {
namespace persistence {

/// Converts between the interface's log modules and the core's module objects,
/// which no enumeration names; failures read as those of the enumeration converters.
class LogModuleConverter
{
public:
    static nonstd::optional<LogModule> toInternalOpt(lea::persistence::Logs::Module value) noexcept;
    static nonstd::optional<lea::persistence::Logs::Module> toExternalOpt(const LogModule& value) noexcept;
    /// Throws std::invalid_argument for a value without core module.
    static LogModule toInternalOrThrow(lea::persistence::Logs::Module value);
    static const char* converter() { return __PRETTY_FUNCTION__; }
};

} // namespace persistence
} // namespace bridge
