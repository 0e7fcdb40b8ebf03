#pragma once

#include "core/catalogue/videoplaylist.h"

#include <QJsonObject>

class PlaylistSettings;
class SettingsStore;

/// The playlists that the home page and the disabled mode play, by id
/// (negative for none), kept under "general/..." keys. Setters change the
/// values held here; Configuration::saveGeneralSettings() stores them.
class PlaylistAssignments
{
public:
    explicit PlaylistAssignments(const SettingsStore& store);

    int homePagePlaylistId() const { return m_homePagePlaylistId; }
    void setHomePagePlaylistId(int id) { m_homePagePlaylistId = id; }
    int disabledModePlaylistId() const { return m_disabledModePlaylistId; }
    void setDisabledModePlaylistId(int id) { m_disabledModePlaylistId = id; }

    /// The loaded playlists that updatePlaylistType() changes; must outlive this object.
    void setPlaylists(const PlaylistSettings* playlists) { m_playlists = playlists; }
    /// Moves `flag` from the loaded playlist `previousId` to `nextId`, in memory;
    /// an id that names no loaded playlist is passed over.
    void updatePlaylistType(int previousId, int nextId, VideoPlaylist::PlaylistType flag);

    /// The stored form of the assignments.
    QJsonObject playlistValues() const;

private:
    const PlaylistSettings* m_playlists = nullptr;
    int m_homePagePlaylistId;
    int m_disabledModePlaylistId;
};
