#pragma once

#include "bridge/persistence/objectdownloadslog.h"
#include "bridge/taggedenumconverter.h"

namespace bridge {
namespace persistence {
/// An object download's status between its stored code and the interface.
using ObjectStatusEnumConverter
    = EnumConverter<ObjectDownloadsLog::DbStatus, lea::persistence::ObjectDownloadsLog::Status>;
} // namespace persistence
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::persistence::ObjectStatusEnumConverter::Key> {
    bridge::persistence::ObjectStatusEnumConverter::pairs({
        { bridge::persistence::ObjectDownloadsLog::DbStatus0, lea::persistence::ObjectDownloadsLog::Queued },
        { bridge::persistence::ObjectDownloadsLog::DbStatus1,
            lea::persistence::ObjectDownloadsLog::InProgress },
        { bridge::persistence::ObjectDownloadsLog::DbStatus2,
            lea::persistence::ObjectDownloadsLog::Succeeded },
        { bridge::persistence::ObjectDownloadsLog::DbStatus3, lea::persistence::ObjectDownloadsLog::Status3 },
        { bridge::persistence::ObjectDownloadsLog::DbStatus4, lea::persistence::ObjectDownloadsLog::Status4 },
        { bridge::persistence::ObjectDownloadsLog::DbStatus5, lea::persistence::ObjectDownloadsLog::Status5 },
        { bridge::persistence::ObjectDownloadsLog::DbStatus6, lea::persistence::ObjectDownloadsLog::Status6 },
        { bridge::persistence::ObjectDownloadsLog::DbStatus7, lea::persistence::ObjectDownloadsLog::Status7 },
        { bridge::persistence::ObjectDownloadsLog::DbStatus8, lea::persistence::ObjectDownloadsLog::Status8 },
        { bridge::persistence::ObjectDownloadsLog::DbStatus9, lea::persistence::ObjectDownloadsLog::Status9 },
    })
};
