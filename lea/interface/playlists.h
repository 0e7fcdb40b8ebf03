#pragma once

#include "lea/ids.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <set>
#include <vector>

namespace lea {
namespace interface {

/// Accessor of media playlists shown by the user interface.
class Playlists : public QObject
{
    Q_OBJECT

public:
    /// What a playlist is played for; the machine's own numbering.
    enum Usage : int32_t {
        Usage0 = 0,
        Usage1 = 1,
        Usage2 = 2,
        DisabilityUI = 3,
        Usage4 = 4,
        HomePage = 5,
        ScreenSaver = 6,
    };
    Q_ENUM(Usage)

    /// How a playlist is played; the machine's own numbering.
    enum Mode : int32_t {
        Mode0 = 0,
        Mode1 = 1,
    };
    Q_ENUM(Mode)

    /// How the machine manages a playlist; the machine's own numbering.
    enum ManagementOption : int32_t {
        ManagementOption0 = 0,
        ManagementOption1 = 1,
        ManagementOption2 = 2,
        ManagementOption3 = 3,
    };
    Q_ENUM(ManagementOption)

    /// The kind of a media item; the machine's own numbering.
    enum MediaType : int32_t {
        MediaType0 = 0,
        MediaType1 = 1,
    };
    Q_ENUM(MediaType)

    /// A playlist and the media items it plays.
    struct Playlist
    {
        QString name;
        Mode mode = Mode0;
        /// Every use the playlist serves.
        std::set<Usage> usages;
        /// The playlist's primary use, if any.
        nonstd::optional<Usage> type;
        /// The AmiClo service's identifier of the playlist.
        nonstd::optional<QString> amiCloId;
        bool isRandom = false;
        ManagementOption managementOption = ManagementOption0;
        /// In playing order.
        std::vector<lea::PlaylistMediaDbId> medias;
        nonstd::optional<QString> extraText;
    };

    /// One image or video of a playlist.
    struct Media
    {
        MediaType type = MediaType0;
        /// Read only.
        QString name;
        QFileInfo file;
        /// In seconds.
        nonstd::optional<int64_t> duration;
        /// Left empty when read and ignored when written.
        nonstd::optional<QString> reserved;
        nonstd::optional<QString> extraText;
    };

    ~Playlists() override = default;

    virtual nonstd::optional<Playlist> playlist(lea::PlaylistDbId id) const = 0;
    virtual nonstd::optional<lea::PlaylistDbId> playlistForAmiCloId(lea::AmiCloId amiCloId) const = 0;
    virtual std::map<lea::PlaylistDbId, Playlist> allPlaylists() const = 0;
    virtual nonstd::optional<lea::PlaylistDbId> playlistByUsage(Usage usage) const = 0;
    /// The new playlist's id; empty when it could not be stored.
    virtual nonstd::optional<lea::PlaylistDbId> createPlaylist(const Playlist& playlist) = 0;
    /// The AmiClo identifier is cleared unless `keepAmiCloId`.
    virtual void updatePlaylist(lea::PlaylistDbId id, const Playlist& playlist, bool keepAmiCloId) = 0;
    virtual void deletePlaylist(lea::PlaylistDbId id) = 0;
    virtual nonstd::optional<Media> media(lea::PlaylistMediaDbId id) const = 0;
    /// The new media item's id; empty when it could not be stored.
    virtual nonstd::optional<lea::PlaylistMediaDbId> createMedia(
        const Media& media, lea::PlaylistDbId playlistId, unsigned char position)
        = 0;
    virtual void updateMedia(lea::PlaylistMediaDbId id, const Media& media, lea::PlaylistDbId playlistId) = 0;
    virtual void deleteMedia(lea::PlaylistMediaDbId id) = 0;
    virtual void setHomePagePlaylist(lea::PlaylistDbId id) = 0;
    virtual void setDisabilityUIPlaylist(lea::PlaylistDbId id) = 0;

signals:
    void playlistsChanged();

protected:
    explicit Playlists(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
