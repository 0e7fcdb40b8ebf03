// The playlist part of ConfigurationLoader: playlists, their media items and
// the lists that order the items in each playlist.

#include "core/catalogue/playlistmedia.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/loadersql.h"

#include <QHash>

using namespace loadersql;

namespace {

namespace lists = db::PlaylistMedias;
namespace items = db::PlaylistMediaItems;
namespace rows = db::VideoPlaylists;

/// The ids new rows got, given to their objects once the whole write is stored.
struct NewIds
{
    QHash<VideoPlaylist*, int> playlists;
    QHash<PlaylistMedia*, int> medias;

    int of(PlaylistMedia* media) const { return medias.value(media, media->dbId()); }

    void apply() const
    {
        for (auto it = playlists.cbegin(); it != playlists.cend(); ++it)
            it.key()->setId(it.value());
        for (auto it = medias.cbegin(); it != medias.cend(); ++it)
            it.key()->setDbId(it.value());
    }
};

QString storedText(const QString& text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

bool writeMedia(const Sql& sql, PlaylistMedia* media, NewIds& ids)
{
    int id = ids.of(media);
    const bool isNew = id < 0;
    if (!sql.upsert(items::Table,
            { { items::Type, int(media->type()) }, { items::Source, storedText(media->source()) },
                { items::Name, storedText(media->name()) }, { items::TimeInSec, media->timeInSec() },
                { items::ExtraText, textValue(media->extraText()) } },
            id))
        return false;
    if (isNew)
        ids.medias.insert(media, id);
    return true;
}

bool writePlaylist(const Sql& sql, VideoPlaylist* playlist, NewIds& ids)
{
    int id = ids.playlists.value(playlist, playlist->id());
    const bool isNew = id < 0;
    if (!sql.upsert(rows::Table,
            { { rows::Name, storedText(playlist->name()) }, { rows::TypeFlags, playlist->typeFlags() },
                { rows::Mode, int(playlist->mode()) }, { rows::Type, int(playlist->type()) },
                { rows::AmiCloId, storedText(playlist->amiCloId()) }, { rows::Random, playlist->isRandom() },
                { rows::ManagementOption, int(playlist->managementOption()) },
                { rows::ExtraText, textValue(playlist->extraText()) } },
            id))
        return false;
    if (isNew)
        ids.playlists.insert(playlist, id);
    if (!sql.remove(lists::Table, where(lists::PlaylistId, id)))
        return false;
    const QList<PlaylistMedia*> medias = playlist->playlistMediasList();
    for (int position = 0; position < medias.size(); ++position) {
        PlaylistMedia* media = medias[position];
        // Stored items keep their row as it is: their changes go through saveMedia().
        if ((ids.of(media) < 0 && !writeMedia(sql, media, ids))
            || !sql.insert(lists::Table,
                { { lists::PlaylistId, id }, { lists::Position, position },
                    { lists::MediaId, ids.of(media) } }))
            return false;
    }
    return true;
}

std::unique_ptr<VideoPlaylist> playlistFromRow(const QSqlRecord& row)
{
    auto playlist = std::make_unique<VideoPlaylist>();
    playlist->setId(intValue(row, db::Id));
    playlist->setName(row.value(rows::Name).toString());
    playlist->setTypeFlags(intValue(row, rows::TypeFlags));
    // The enumerations have a fixed underlying type: an unnamed stored value
    // is kept as it is, for the reader to refuse.
    playlist->setMode(static_cast<VideoPlaylist::Mode>(intValue(row, rows::Mode)));
    playlist->setType(static_cast<VideoPlaylist::PlaylistType>(intValue(row, rows::Type)));
    playlist->setAmiCloId(row.value(rows::AmiCloId).toString());
    playlist->setIsRandom(row.value(rows::Random).toBool());
    playlist->setManagementOption(
        static_cast<PlaylistSettings::PlaylistManagementOption>(intValue(row, rows::ManagementOption)));
    playlist->setExtraText(optionalText(row, rows::ExtraText));
    return playlist;
}

PlaylistMedia* mediaFromRow(const QSqlRecord& row, QObject& owner)
{
    auto* media = new PlaylistMedia(&owner);
    media->setDbId(intValue(row, db::Id));
    media->setType(static_cast<PlaylistMedia::Type>(intValue(row, items::Type)));
    media->setSource(row.value(items::Source).toString());
    media->setName(row.value(items::Name).toString());
    media->setTimeInSec(intValue(row, items::TimeInSec));
    media->setExtraText(optionalText(row, items::ExtraText));
    return media;
}

} // namespace

bool ConfigurationLoader::savePlaylist(VideoPlaylist* playlist)
{
    if (!playlist)
        return false;
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    NewIds ids;
    if (!atomically(sql, [&] { return writePlaylist(sql, playlist, ids); }))
        return false;
    ids.apply();
    return true;
}

bool ConfigurationLoader::savePlaylists(const QList<VideoPlaylist*>& playlists, const QList<int>& removedIds)
{
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    NewIds ids;
    const bool saved = atomically(sql, [&] {
        for (const int id : removedIds) {
            if (!sql.remove(rows::Table, whereId(id))
                || !sql.remove(lists::Table, where(lists::PlaylistId, id)))
                return false;
        }
        for (VideoPlaylist* playlist : playlists) {
            if (!playlist || !writePlaylist(sql, playlist, ids))
                return false;
        }
        return true;
    });
    if (saved)
        ids.apply();
    return saved;
}

bool ConfigurationLoader::saveMedia(PlaylistMedia* media, int order, int playlistId)
{
    if (!media)
        return false;
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    NewIds ids;
    const bool saved = atomically(sql, [&] {
        if (!writeMedia(sql, media, ids))
            return false;
        const int id = ids.of(media);
        int affected = 0;
        return sql.update(lists::Table, { { lists::Position, order } },
                   where(lists::PlaylistId, playlistId, lists::MediaId, id), &affected)
            && (affected > 0
                || sql.insert(lists::Table,
                    { { lists::PlaylistId, playlistId }, { lists::Position, order },
                        { lists::MediaId, id } }));
    });
    if (saved)
        ids.apply();
    return saved;
}

bool ConfigurationLoader::loadPlaylists(
    std::vector<std::unique_ptr<VideoPlaylist>>& playlists, QObject& mediaOwner) const
{
    playlists.clear();
    const Sql sql(connection(), __PRETTY_FUNCTION__);
    Rows playlistRows;
    Rows mediaRows;
    Rows listRows;
    if (!sql.select(rows::Table, {}, playlistRows) || !sql.select(items::Table, {}, mediaRows)
        || !sql.select(lists::Table, {}, listRows))
        return false;
    sortByColumn(playlistRows, db::Id);
    sortByColumn(listRows, lists::Position);
    QHash<int, VideoPlaylist*> playlistOf;
    for (const QSqlRecord& row : playlistRows) {
        playlists.push_back(playlistFromRow(row));
        playlistOf.insert(playlists.back()->id(), playlists.back().get());
    }
    QHash<int, QSqlRecord> mediaRowOf;
    for (const QSqlRecord& row : mediaRows)
        mediaRowOf.insert(intValue(row, db::Id), row);
    QHash<int, PlaylistMedia*> mediaOf;
    for (const QSqlRecord& row : listRows) {
        VideoPlaylist* playlist = playlistOf.value(intValue(row, lists::PlaylistId));
        const int mediaId = intValue(row, lists::MediaId);
        if (!playlist || !mediaRowOf.contains(mediaId))
            continue;
        PlaylistMedia*& media = mediaOf[mediaId];
        if (!media)
            media = mediaFromRow(mediaRowOf.value(mediaId), mediaOwner);
        playlist->addMedia(media);
    }
    return true;
}
