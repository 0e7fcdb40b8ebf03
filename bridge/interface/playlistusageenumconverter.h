#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/videoplaylist.h"
#include "lea/interface/playlists.h"

namespace bridge {
namespace interface {
/// A playlist's uses between the core's type flags and the interface; the
/// core's product flag has no interface value.
using PlaylistUsageEnumConverter
    = EnumConverter<VideoPlaylist::PlaylistType, lea::interface::Playlists::Usage>;
} // namespace interface
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::interface::PlaylistUsageEnumConverter::Key> {
    bridge::interface::PlaylistUsageEnumConverter::pairs({
        { VideoPlaylist::Type8, lea::interface::Playlists::Usage0 },
        { VideoPlaylist::Type16, lea::interface::Playlists::Usage1 },
        { VideoPlaylist::Type32, lea::interface::Playlists::Usage2 },
        { VideoPlaylist::DisabledModeType, lea::interface::Playlists::DisabilityUI },
        { VideoPlaylist::Type4, lea::interface::Playlists::Usage4 },
        { VideoPlaylist::HomePageType, lea::interface::Playlists::HomePage },
        { VideoPlaylist::ScreenSaverType, lea::interface::Playlists::ScreenSaver },
    })
};
