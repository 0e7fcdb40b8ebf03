#pragma once

#include "bridge/persistence/objectdownloadslog.h"
#include "bridge/taggedenumconverter.h"

namespace bridge {
namespace persistence {
/// An object type between its stored code and the interface.
using ObjectTypeEnumConverter
    = EnumConverter<ObjectDownloadsLog::DbType, lea::persistence::ObjectDownloadsLog::Type>;
} // namespace persistence
} // namespace bridge

// Type 1 is written as 8; the older codes 1, 2, 4 and 7 still read as type 1.
template <>
inline constexpr auto lguim::enumPairs<bridge::persistence::ObjectTypeEnumConverter::Key> {
    bridge::persistence::ObjectTypeEnumConverter::pairs({
        { bridge::persistence::ObjectDownloadsLog::DbType3, lea::persistence::ObjectDownloadsLog::Type0 },
        { bridge::persistence::ObjectDownloadsLog::DbType8, lea::persistence::ObjectDownloadsLog::Type1 },
        { bridge::persistence::ObjectDownloadsLog::DbType1, lea::persistence::ObjectDownloadsLog::Type1 },
        { bridge::persistence::ObjectDownloadsLog::DbType2, lea::persistence::ObjectDownloadsLog::Type1 },
        { bridge::persistence::ObjectDownloadsLog::DbType4, lea::persistence::ObjectDownloadsLog::Type1 },
        { bridge::persistence::ObjectDownloadsLog::DbType7, lea::persistence::ObjectDownloadsLog::Type1 },
        { bridge::persistence::ObjectDownloadsLog::DbType5, lea::persistence::ObjectDownloadsLog::Type2 },
        { bridge::persistence::ObjectDownloadsLog::DbType6, lea::persistence::ObjectDownloadsLog::Type3 },
        { bridge::persistence::ObjectDownloadsLog::DbType9, lea::persistence::ObjectDownloadsLog::Type4 },
        { bridge::persistence::ObjectDownloadsLog::DbType10, lea::persistence::ObjectDownloadsLog::Type5 },
    })
};
