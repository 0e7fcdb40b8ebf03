#include "core/configuration/playlistsettings.h"

#include "core/catalogue/playlistmedia.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/configurationloader.h"

#include <algorithm>
#include <memory>
#include <vector>

PlaylistSettings::PlaylistSettings(ConfigurationLoader& loader, QObject* parent)
    : QObject(parent)
    , m_loader(loader)
{
}

PlaylistSettings::~PlaylistSettings() = default;

VideoPlaylist* PlaylistSettings::playlistForId(int id) const
{
    if (id < 0)
        return nullptr;
    const auto it = std::find_if(m_playlists.cbegin(), m_playlists.cend(),
        [id](const VideoPlaylist* playlist) { return playlist->id() == id; });
    return it == m_playlists.cend() ? nullptr : *it;
}

void PlaylistSettings::addPlaylist(VideoPlaylist* playlist, int position)
{
    if (!playlist || m_playlists.contains(playlist))
        return;
    playlist->setParent(this);
    m_removed.removeAll(playlist);
    m_playlists.insert(
        position < 0 || position > m_playlists.size() ? m_playlists.size() : position, playlist);
}

void PlaylistSettings::removePlaylist(VideoPlaylist* playlist)
{
    if (!playlist || !m_playlists.removeAll(playlist))
        return;
    m_removed << playlist;
}

bool PlaylistSettings::save()
{
    QList<int> removedIds;
    for (const VideoPlaylist* playlist : qAsConst(m_removed)) {
        if (playlist->id() >= 0)
            removedIds << playlist->id();
    }
    if (!m_loader.savePlaylists(m_playlists, removedIds))
        return false;
    qDeleteAll(std::exchange(m_removed, {}));
    emit playlistsChanged();
    return true;
}

bool PlaylistSettings::init()
{
    const QList<PlaylistMedia*> previousMedias
        = findChildren<PlaylistMedia*>(QString(), Qt::FindDirectChildrenOnly);
    std::vector<std::unique_ptr<VideoPlaylist>> loaded;
    if (!m_loader.loadPlaylists(loaded, *this))
        return false;
    QList<VideoPlaylist*> stale = m_playlists + m_removed;
    QList<VideoPlaylist*> playlists;
    for (std::unique_ptr<VideoPlaylist>& playlist : loaded) {
        // Products hold their playlist: a stored playlist keeps its object.
        const auto kept = std::find_if(stale.begin(), stale.end(),
            [&playlist](const VideoPlaylist* old) { return old->id() == playlist->id(); });
        if (kept != stale.end()) {
            (*kept)->copyFrom(*playlist);
            playlists << *kept;
            stale.erase(kept);
            continue;
        }
        playlist->setParent(this);
        playlists << playlist.release();
    }
    m_playlists = playlists;
    m_removed.clear();
    qDeleteAll(stale);
    qDeleteAll(previousMedias);
    emit playlistsChanged();
    return true;
}
