#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/videoplaylist.h"
#include "lea/interface/playlists.h"

namespace bridge {
namespace interface {
/// How a playlist is played, between the core and the interface.
using PlaylistModeEnumConverter = EnumConverter<VideoPlaylist::Mode, lea::interface::Playlists::Mode>;
} // namespace interface
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::interface::PlaylistModeEnumConverter::Key> {
    bridge::interface::PlaylistModeEnumConverter::pairs({
        { VideoPlaylist::Mode0, lea::interface::Playlists::Mode0 },
        { VideoPlaylist::Mode1, lea::interface::Playlists::Mode1 },
    })
};
