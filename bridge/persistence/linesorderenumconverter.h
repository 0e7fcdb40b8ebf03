#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/log/rotatinglogfile.h"
#include "lea/persistence/logs.h"

namespace bridge {
namespace persistence {
using LinesOrderEnumConverter = EnumConverter<RotatingLogFile::Order, lea::persistence::Logs::LinesOrder>;
} // namespace persistence
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::persistence::LinesOrderEnumConverter::Key> {
    bridge::persistence::LinesOrderEnumConverter::pairs({
        { RotatingLogFile::NewestFirst, lea::persistence::Logs::NewestFirst },
        { RotatingLogFile::OldestFirst, lea::persistence::Logs::OldestFirst },
    })
};
