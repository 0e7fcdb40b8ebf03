#include "core/configuration/playlistassignments.h"

#include "core/configuration/playlistsettings.h"
#include "core/settings/settingsstore.h"

namespace {
const QString kHomePage = QStringLiteral("general/homePagePlaylistId");
const QString kDisabledMode = QStringLiteral("general/disabledModePlaylistId");
} // namespace

PlaylistAssignments::PlaylistAssignments(const SettingsStore& store)
    : m_homePagePlaylistId(store.value(kHomePage, -1).toInt())
    , m_disabledModePlaylistId(store.value(kDisabledMode, -1).toInt())
{
}

void PlaylistAssignments::updatePlaylistType(int previousId, int nextId, VideoPlaylist::PlaylistType flag)
{
    if (!m_playlists)
        return;
    if (VideoPlaylist* previous = m_playlists->playlistForId(previousId))
        previous->removeTypeFlag(flag);
    if (VideoPlaylist* next = m_playlists->playlistForId(nextId))
        next->addTypeFlag(flag);
}

QJsonObject PlaylistAssignments::playlistValues() const
{
    return { { kHomePage, m_homePagePlaylistId }, { kDisabledMode, m_disabledModePlaylistId } };
}
