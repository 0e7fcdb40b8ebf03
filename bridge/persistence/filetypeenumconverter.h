#pragma once

#include "bridge/persistence/filedownloadslog.h"
#include "bridge/taggedenumconverter.h"

namespace bridge {
namespace persistence {
/// A file type between its stored code and the interface.
using FileTypeEnumConverter
    = EnumConverter<FileDownloadsLog::DbFileType, lea::persistence::FileDownloadsLog::FileType>;
} // namespace persistence
} // namespace bridge

// Type 0 is written as 6; the older code 3 still reads as type 0.
template <>
inline constexpr auto lguim::enumPairs<bridge::persistence::FileTypeEnumConverter::Key> {
    bridge::persistence::FileTypeEnumConverter::pairs({
        { bridge::persistence::FileDownloadsLog::DbFileType6, lea::persistence::FileDownloadsLog::FileType0 },
        { bridge::persistence::FileDownloadsLog::DbFileType3, lea::persistence::FileDownloadsLog::FileType0 },
        { bridge::persistence::FileDownloadsLog::DbFileType5, lea::persistence::FileDownloadsLog::FileType1 },
        { bridge::persistence::FileDownloadsLog::DbFileType1, lea::persistence::FileDownloadsLog::FileType2 },
        { bridge::persistence::FileDownloadsLog::DbFileType2, lea::persistence::FileDownloadsLog::FileType3 },
        { bridge::persistence::FileDownloadsLog::DbFileType4, lea::persistence::FileDownloadsLog::FileType4 },
        { bridge::persistence::FileDownloadsLog::DbFileType7, lea::persistence::FileDownloadsLog::FileType5 },
        { bridge::persistence::FileDownloadsLog::DbFileType8, lea::persistence::FileDownloadsLog::FileType6 },
        { bridge::persistence::FileDownloadsLog::DbFileType9, lea::persistence::FileDownloadsLog::FileType7 },
        { bridge::persistence::FileDownloadsLog::DbFileType10,
            lea::persistence::FileDownloadsLog::FileType8 },
        { bridge::persistence::FileDownloadsLog::DbFileType0, lea::persistence::FileDownloadsLog::FileType9 },
    })
};
