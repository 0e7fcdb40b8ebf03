#include "bridge/persistence/logmoduleconverter.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace bridge {
namespace persistence {

namespace {

using Logs = lea::persistence::Logs;

const std::array<std::pair<Logs::Module, const LogModule*>, 8>& pairs()
{
    static const std::array<std::pair<Logs::Module, const LogModule*>, 8> table { {
        { Logs::Configuration, &Log::Configuration },
        { Logs::Database, &Log::Database },
        { Logs::Global, &Log::Global },
        { Logs::InputOutput, &Log::InputOutput },
        { Logs::Payment, &Log::Payment },
        { Logs::Playlist, &Log::Playlist },
        { Logs::Product, &Log::Product },
        { Logs::Customization, &Log::Customization },
    } };
    return table;
}

} // namespace

nonstd::optional<LogModule> LogModuleConverter::toInternalOpt(Logs::Module value) noexcept
{
    for (const auto& pair : pairs()) {
        if (pair.first == value)
            return *pair.second;
    }
    return nonstd::nullopt;
}

nonstd::optional<Logs::Module> LogModuleConverter::toExternalOpt(const LogModule& value) noexcept
{
    for (const auto& pair : pairs()) {
        if (*pair.second == value)
            return pair.first;
    }
    return nonstd::nullopt;
}

LogModule LogModuleConverter::toInternalOrThrow(Logs::Module value)
{
    if (const auto module = toInternalOpt(value))
        return *module;
    throw std::invalid_argument(
        "Invalid external enum value " + std::to_string(int(value)) + " (" + converter() + ")");
}

} // namespace persistence
} // namespace bridge
