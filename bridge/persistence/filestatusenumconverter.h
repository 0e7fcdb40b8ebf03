#pragma once

#include "bridge/persistence/filedownloadslog.h"
#include "bridge/taggedenumconverter.h"

namespace bridge {
namespace persistence {
/// A file download's status between its stored code and the interface.
using FileStatusEnumConverter
    = EnumConverter<FileDownloadsLog::DbStatus, lea::persistence::FileDownloadsLog::Status>;
} // namespace persistence
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::persistence::FileStatusEnumConverter::Key> {
    bridge::persistence::FileStatusEnumConverter::pairs({
        { bridge::persistence::FileDownloadsLog::DbStatus0, lea::persistence::FileDownloadsLog::Queued },
        { bridge::persistence::FileDownloadsLog::DbStatus1, lea::persistence::FileDownloadsLog::Downloading },
        { bridge::persistence::FileDownloadsLog::DbStatus2, lea::persistence::FileDownloadsLog::Completed },
        { bridge::persistence::FileDownloadsLog::DbStatus3, lea::persistence::FileDownloadsLog::Failed },
    })
};
