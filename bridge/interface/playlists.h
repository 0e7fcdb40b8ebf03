#pragma once

#include "lea/interface/playlists.h"

#include <utility>

class PlaylistMedia;
class VideoPlaylist;

namespace bridge {
namespace interface {

/// The media playlists of the loaded configuration and their media items:
/// read, created, changed and removed, and the playlists of the home page and
/// of the accessible interface assigned. Relays the playlists' changes of
/// whichever configuration is loaded. Every change is stored at once; one that
/// is refused is logged and leaves the loaded playlists as they were.
class Playlists : public lea::interface::Playlists
{
    Q_OBJECT

public:
    explicit Playlists(QObject* parent);
    ~Playlists() override;

    nonstd::optional<Playlist> playlist(lea::PlaylistDbId id) const override;
    /// The first playlist whose AmiClo identifier is exactly `amiCloId`; an
    /// empty text finds the first playlist without one.
    nonstd::optional<lea::PlaylistDbId> playlistForAmiCloId(lea::AmiCloId amiCloId) const override;
    std::map<lea::PlaylistDbId, Playlist> allPlaylists() const override;
    /// Known for the home page, the screen saver and the accessible interface only.
    nonstd::optional<lea::PlaylistDbId> playlistByUsage(Usage usage) const override;
    /// Stores the AmiClo identifier given. Its uses are not written: they follow
    /// the assignments.
    nonstd::optional<lea::PlaylistDbId> createPlaylist(const Playlist& playlist) override;
    /// Media ids that name no media item are left out of the playlist. An
    /// unknown playlist changes nothing.
    void updatePlaylist(lea::PlaylistDbId id, const Playlist& playlist, bool keepAmiCloId) override;
    void deletePlaylist(lea::PlaylistDbId id) override;
    nonstd::optional<Media> media(lea::PlaylistMediaDbId id) const override;
    /// Appends the item to the playlist: `position` is not used. The file is
    /// stored relative to the playlist images directory. Empty, with nothing
    /// stored, for an unknown or full playlist (256 items) and a duration
    /// beyond 32 bits.
    nonstd::optional<lea::PlaylistMediaDbId> createMedia(
        const Media& media, lea::PlaylistDbId playlistId, unsigned char position) override;
    /// Changes the item in place (its name is not written). An unknown item or
    /// playlist, or a duration beyond 32 bits, changes nothing.
    void updateMedia(lea::PlaylistMediaDbId id, const Media& media, lea::PlaylistDbId playlistId) override;
    /// Takes the item out of the first playlist that lists it.
    void deleteMedia(lea::PlaylistMediaDbId id) override;
    /// Moves the home-page use to the playlist; an unknown one is refused.
    void setHomePagePlaylist(lea::PlaylistDbId id) override;
    /// Moves the accessible interface's use to the playlist; an unknown one is refused.
    void setDisabilityUIPlaylist(lea::PlaylistDbId id) override;

private:
    static Playlist fromCore(const VideoPlaylist& playlist);
    static void fromLea(VideoPlaylist* playlist, const Playlist& record, bool keepAmiCloId);
    /// The first loaded media item with that id and its position (from 1) in
    /// its playlist; null and -1 when there is none.
    static std::pair<PlaylistMedia*, int> findMedia(lea::PlaylistMediaDbId id);
};

} // namespace interface
} // namespace bridge
