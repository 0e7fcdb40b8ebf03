#pragma once

#include <QList>
#include <QObject>

class ConfigurationLoader;
class VideoPlaylist;

/// The loaded playlists of a configuration and their storage: additions and
/// removals take effect in memory at once and in the database with save().
/// Media items belong to it too: one that is added to a playlist must be its child.
class PlaylistSettings : public QObject
{
    Q_OBJECT

public:
    /// How the machine manages a playlist; the machine's own numbering.
    enum PlaylistManagementOption : int {
        ManagementOption0 = 0,
        ManagementOption1 = 1,
        ManagementOption2 = 2,
        ManagementOption3 = 3,
    };
    Q_ENUM(PlaylistManagementOption)

    /// `loader` writes and reads the playlists and must outlive this object.
    explicit PlaylistSettings(ConfigurationLoader& loader, QObject* parent = nullptr);
    ~PlaylistSettings() override;

    /// In id order, playlists added since the last load at the end.
    QList<VideoPlaylist*> playlists() const { return m_playlists; }
    /// The loaded playlist with that id, or null (also for a negative id).
    VideoPlaylist* playlistForId(int id) const;

    /// Takes the playlist (and its ownership) into the loaded ones, at
    /// `position` in the list or at its end; a removed one comes back.
    void addPlaylist(VideoPlaylist* playlist, int position = -1);
    /// Takes the playlist out of the loaded ones; its row goes with the next
    /// save(), the object with the next save() or init(). Null does nothing.
    void removePlaylist(VideoPlaylist* playlist);
    /// Stores every loaded playlist with its media list and removes the rows of
    /// removed ones, all or nothing. playlistsChanged() follows a success.
    bool save();
    /// Reads the playlists again; a playlist that is still stored keeps its
    /// object, removed ones come back. False, with nothing changed, when the
    /// database cannot be read. playlistsChanged() follows a success.
    bool init();

signals:
    void playlistsChanged();

private:
    ConfigurationLoader& m_loader;
    QList<VideoPlaylist*> m_playlists;
    QList<VideoPlaylist*> m_removed;
};
