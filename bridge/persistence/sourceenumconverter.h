#pragma once

#include "bridge/persistence/util.h"
#include "bridge/taggedenumconverter.h"
#include "lea/persistence/filedownloadslog.h"

namespace bridge {
namespace persistence {
/// The download source between its stored code and the interface.
using SourceEnumConverter = EnumConverter<util::DbSource, lea::persistence::FileDownloadsLog::Source>;
} // namespace persistence
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::persistence::SourceEnumConverter::Key> {
    bridge::persistence::SourceEnumConverter::pairs({
        { bridge::persistence::util::DbSource0, lea::persistence::FileDownloadsLog::Source0 },
        { bridge::persistence::util::DbSource1, lea::persistence::FileDownloadsLog::Source1 },
        { bridge::persistence::util::DbSource2, lea::persistence::FileDownloadsLog::Source2 },
    })
};
