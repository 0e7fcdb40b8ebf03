#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/playlistmedia.h"
#include "lea/interface/playlists.h"

namespace bridge {
namespace interface {
/// The kind of a playlist's media item, between the core and the interface.
using MediaTypeEnumConverter = EnumConverter<PlaylistMedia::Type, lea::interface::Playlists::MediaType>;
} // namespace interface
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::interface::MediaTypeEnumConverter::Key> {
    bridge::interface::MediaTypeEnumConverter::pairs({
        { PlaylistMedia::Type0, lea::interface::Playlists::MediaType0 },
        { PlaylistMedia::Type1, lea::interface::Playlists::MediaType1 },
    })
};
