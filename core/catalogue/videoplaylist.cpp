#include "core/catalogue/videoplaylist.h"

#include "core/catalogue/playlistmedia.h"

#include <algorithm>

VideoPlaylist::VideoPlaylist(QObject* parent)
    : QObject(parent)
{
}

VideoPlaylist::~VideoPlaylist() = default;

void VideoPlaylist::addMedia(PlaylistMedia* media)
{
    if (media)
        m_medias << media;
}

bool VideoPlaylist::deleteMedia(int mediaId)
{
    const auto it = std::find_if(m_medias.begin(), m_medias.end(),
        [mediaId](const PlaylistMedia* media) { return media->dbId() == mediaId; });
    if (it == m_medias.end())
        return false;
    m_medias.erase(it);
    return true;
}

void VideoPlaylist::copyFrom(const VideoPlaylist& other)
{
    m_name = other.m_name;
    m_typeFlags = other.m_typeFlags;
    m_type = other.m_type;
    m_mode = other.m_mode;
    m_amiCloId = other.m_amiCloId;
    m_isRandom = other.m_isRandom;
    m_managementOption = other.m_managementOption;
    m_extraText = other.m_extraText;
    m_medias = other.m_medias;
}
