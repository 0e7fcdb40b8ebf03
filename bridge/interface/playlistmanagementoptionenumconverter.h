#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/playlistsettings.h"
#include "lea/interface/playlists.h"

namespace bridge {
namespace interface {
/// How the machine manages a playlist, between the core and the interface.
using PlaylistManagementOptionEnumConverter
    = EnumConverter<PlaylistSettings::PlaylistManagementOption, lea::interface::Playlists::ManagementOption>;
} // namespace interface
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::interface::PlaylistManagementOptionEnumConverter::Key> {
    bridge::interface::PlaylistManagementOptionEnumConverter::pairs({
        { PlaylistSettings::ManagementOption0, lea::interface::Playlists::ManagementOption0 },
        { PlaylistSettings::ManagementOption1, lea::interface::Playlists::ManagementOption1 },
        { PlaylistSettings::ManagementOption2, lea::interface::Playlists::ManagementOption2 },
        { PlaylistSettings::ManagementOption3, lea::interface::Playlists::ManagementOption3 },
    })
};
