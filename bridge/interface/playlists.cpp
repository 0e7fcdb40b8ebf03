#include "bridge/interface/playlists.h"

#include "bridge/interface/mediatypeenumconverter.h"
#include "bridge/interface/playlistmanagementoptionenumconverter.h"
#include "bridge/interface/playlistmodeenumconverter.h"
#include "bridge/interface/playlistusageenumconverter.h"
#include "bridge/interface/playlistuse.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/playlistmedia.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/path.h"
#include "core/configuration/playlistsettings.h"
#include "core/configuration/screensaversettings.h"
#include "core/log/logformatter.h"

#include <limits>
#include <QDir>
#include <QPointer>

namespace bridge {
namespace interface {

namespace {

using UsageConverter = PlaylistUsageEnumConverter;

/// The playlist images directory holds both kinds of media.
QString storedSource(const QFileInfo& file)
{
    const QString up = QStringLiteral("../");
    const QString path = file.absoluteFilePath().remove(up);
    const QString base = QDir(gCoreEnv->path()->path(Path::PlaylistImages)).absolutePath().remove(up);
    return path.mid(base.size());
}

/// The machine keeps a duration in 32 bits: a longer one would be stored as another.
nonstd::optional<int> storedDuration(
    const lea::interface::Playlists::Media& media, const utils::FailureLog& log)
{
    const int64_t seconds = media.duration.value_or(0);
    if (seconds < std::numeric_limits<int>::min() || seconds > std::numeric_limits<int>::max()) {
        log.warning("Media duration out of range");
        return nonstd::nullopt;
    }
    return static_cast<int>(seconds);
}

/// Gives the core item the record's values; converts before changing anything.
void setMediaValues(PlaylistMedia& core, const lea::interface::Playlists::Media& media, int seconds)
{
    utils::requireStorableText(media.extraText);
    const PlaylistMedia::Type type = MediaTypeEnumConverter::toInternalOrThrow(media.type);
    core.setType(type);
    core.setSource(storedSource(media.file));
    core.setTimeInSec(seconds);
    core.setExtraText(media.extraText);
}

VideoPlaylist* loadedPlaylist(const Configuration& configuration, lea::PlaylistDbId id)
{
    const nonstd::optional<int> coreId = utils::coreId(id);
    return coreId ? configuration.playlistForId(*coreId) : nullptr;
}

/// The loaded playlist `id`, or null after logging that there is none.
VideoPlaylist* knownPlaylist(
    const Configuration& configuration, lea::PlaylistDbId id, const utils::FailureLog& log)
{
    VideoPlaylist* playlist = loadedPlaylist(configuration, id);
    if (!playlist)
        log.warning(QByteArray("No playlist with id ").append(QByteArray::number(id.value())).constData());
    return playlist;
}

/// The first loaded playlist that lists media item `id`, with the item's index there; null and -1 when none
/// does.
std::pair<VideoPlaylist*, int> holderOf(const Configuration& configuration, lea::PlaylistMediaDbId id)
{
    const nonstd::optional<int> coreId = utils::coreId(id);
    for (VideoPlaylist* playlist : configuration.playlists()) {
        const QList<PlaylistMedia*> medias = playlist->playlistMediasList();
        for (int index = 0; coreId && index < medias.size(); ++index) {
            if (medias[index]->dbId() == *coreId)
                return { playlist, index };
        }
    }
    return { nullptr, -1 };
}

/// Reads the playlists again after a stored change, so that memory shows what is stored.
void reloadPlaylists(Configuration& configuration, const utils::FailureLog& log)
{
    log.stored(configuration.playlistSettings()->init(), "Failed to read the playlists again");
}

/// Moves a use that the general settings assign from its playlist to playlist `id`.
void assignPlaylist(lea::PlaylistDbId id, VideoPlaylist::PlaylistType flag,
    int (PlaylistAssignments::*current)() const, void (PlaylistAssignments::*set)(int), const char* signature,
    const char* owner)
{
    Configuration* configuration = utils::loadedConfiguration(signature);
    if (!configuration)
        return;
    const utils::FailureLog log(signature, Log::Global);
    VideoPlaylist* next = knownPlaylist(*configuration, id, log);
    if (!next)
        return;
    GeneralSettings& general = *configuration->generalSettings();
    const int previousId = (general.*current)();
    storeMovedUse(
        *configuration, general, configuration->playlistForId(previousId), next,
        [&] {
            general.updatePlaylistType(previousId, next->id(), flag);
            (general.*set)(next->id());
        },
        log, owner);
}

} // namespace

Playlists::Playlists(QObject* parent)
    : lea::interface::Playlists(parent)
{
    utils::connectToConfiguration(&Configuration::playlistsChanged, this, &Playlists::playlistsChanged);
}

Playlists::~Playlists() = default;

nonstd::optional<Playlists::Playlist> Playlists::playlist(lea::PlaylistDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return nonstd::nullopt;
    const VideoPlaylist* playlist = loadedPlaylist(*configuration, id);
    if (!playlist)
        return nonstd::nullopt;
    return fromCore(*playlist);
}

nonstd::optional<lea::PlaylistDbId> Playlists::playlistForAmiCloId(lea::AmiCloId amiCloId) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return nonstd::nullopt;
    for (const VideoPlaylist* playlist : configuration->playlists()) {
        if (playlist->amiCloId() == amiCloId.value())
            return utils::idFromCore<lea::PlaylistDbId>(playlist->id());
    }
    return nonstd::nullopt;
}

std::map<lea::PlaylistDbId, Playlists::Playlist> Playlists::allPlaylists() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::map<lea::PlaylistDbId, Playlist> playlists;
    for (const VideoPlaylist* playlist : configuration->playlists())
        playlists.emplace(utils::idFromCore<lea::PlaylistDbId>(playlist->id()), fromCore(*playlist));
    return playlists;
}

nonstd::optional<lea::PlaylistDbId> Playlists::playlistByUsage(Usage usage) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return nonstd::nullopt;
    const VideoPlaylist* playlist = nullptr;
    if (usage == HomePage)
        playlist = configuration->playlistForId(configuration->generalSettings()->homePagePlaylistId());
    else if (usage == ScreenSaver)
        playlist = configuration->screenSaverSettings()->playlist();
    else if (usage == DisabilityUI)
        playlist = configuration->playlistForId(configuration->generalSettings()->disabledModePlaylistId());
    if (!playlist)
        return nonstd::nullopt;
    return utils::idFromCore<lea::PlaylistDbId>(playlist->id());
}

nonstd::optional<lea::PlaylistDbId> Playlists::createPlaylist(const Playlist& playlist)
{
    Configuration* configuration
        = utils::assertedConfiguration(utils::MissingConfiguration::ReleaseAssertion, __FILE__, __LINE__);
    if (!configuration)
        return nonstd::nullopt;
    auto created = std::make_unique<VideoPlaylist>();
    fromLea(created.get(), playlist, true);
    PlaylistSettings& settings = *configuration->playlistSettings();
    // Announcing the save may replace the configuration and the playlist with it.
    const QPointer<VideoPlaylist> added(created.release());
    settings.addPlaylist(added);
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Global)
             .stored(settings.save(), "Failed to save the new playlist")) {
        settings.removePlaylist(added);
        return nonstd::nullopt;
    }
    if (!added)
        return nonstd::nullopt;
    return utils::idFromCore<lea::PlaylistDbId>(added->id());
}

void Playlists::updatePlaylist(lea::PlaylistDbId id, const Playlist& playlist, bool keepAmiCloId)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    VideoPlaylist* stored = loadedPlaylist(*configuration, id);
    if (!stored)
        return;
    utils::Rollback rollback(*stored);
    fromLea(stored, playlist, keepAmiCloId);
    const utils::FailureLog log(Q_FUNC_INFO, Log::Global);
    if (!log.stored(configuration->savePlaylist(stored), "Failed to save the playlist"))
        return;
    rollback.commit();
    reloadPlaylists(*configuration, log);
}

void Playlists::deletePlaylist(lea::PlaylistDbId id)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    VideoPlaylist* playlist = loadedPlaylist(*configuration, id);
    if (!playlist)
        return;
    PlaylistSettings& settings = *configuration->playlistSettings();
    const int position = settings.playlists().indexOf(playlist);
    settings.removePlaylist(playlist);
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Global).stored(settings.save(), "Failed to delete the playlist"))
        settings.addPlaylist(playlist, position);
}

nonstd::optional<Playlists::Media> Playlists::media(lea::PlaylistMediaDbId id) const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return nonstd::nullopt;
    const PlaylistMedia* media = findMedia(id).first;
    if (!media)
        return nonstd::nullopt;
    Media record;
    record.type = MediaTypeEnumConverter::toExternalOrThrow(media->type());
    record.name = media->name();
    record.file = QFileInfo(media->absoluteSource());
    record.duration = media->timeInSec();
    record.extraText = media->extraText();
    return record;
}

nonstd::optional<lea::PlaylistMediaDbId> Playlists::createMedia(
    const Media& media, lea::PlaylistDbId playlistId, unsigned char /*position*/)
{
    Configuration* configuration
        = utils::assertedConfiguration(utils::MissingConfiguration::ReleaseAssertion, __FILE__, __LINE__);
    if (!configuration)
        return nonstd::nullopt;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Global);
    VideoPlaylist* playlist = knownPlaylist(*configuration, playlistId, log);
    const nonstd::optional<int> seconds = storedDuration(media, log);
    if (!playlist || !seconds)
        return nonstd::nullopt;
    // The order is 8 bits: a 257th item would wrap round to the first place.
    const int order = playlist->playlistMediasList().size();
    if (order > std::numeric_limits<unsigned char>::max()) {
        log.warning("The playlist holds the most media items it can");
        return nonstd::nullopt;
    }
    PlaylistSettings& settings = *configuration->playlistSettings();
    auto made = std::make_unique<PlaylistMedia>(&settings);
    setMediaValues(*made, media, *seconds);
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!loader)
        return nonstd::nullopt;
    // Saving announces the change, which may replace the configuration and
    // the item with it: its id is known before, and nothing loaded is used after.
    const QPointer<PlaylistMedia> created(made.release());
    {
        utils::Rollback rollback(*playlist);
        playlist->addMedia(created);
        utils::Transaction transaction(*loader);
        const bool stored = transaction.isOpen() && configuration->saveMedia(created, order, playlist->id());
        const int id = created->dbId();
        if (log.stored(
                stored && settings.save() && transaction.commit(), "Failed to save the new media item")) {
            rollback.commit();
            return utils::idFromCore<lea::PlaylistMediaDbId>(id);
        }
    }
    delete created.data();
    return nonstd::nullopt;
}

void Playlists::updateMedia(lea::PlaylistMediaDbId id, const Media& media, lea::PlaylistDbId playlistId)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    const std::pair<PlaylistMedia*, int> found = findMedia(id);
    if (!found.first)
        return;
    const utils::FailureLog log(Q_FUNC_INFO, Log::Global);
    // A list of a playlist that does not exist would never be read.
    const VideoPlaylist* target = knownPlaylist(*configuration, playlistId, log);
    const nonstd::optional<int> seconds = storedDuration(media, log);
    if (!target || !seconds)
        return;
    PlaylistMedia& stored = *found.first;
    utils::Rollback rollback(stored);
    setMediaValues(stored, media, *seconds);
    if (!log.stored(
            configuration->saveMedia(&stored, found.second, target->id()), "Failed to save the media item"))
        return;
    rollback.commit();
    reloadPlaylists(*configuration, log);
}

void Playlists::deleteMedia(lea::PlaylistMediaDbId id)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    VideoPlaylist* const holder = holderOf(*configuration, id).first;
    if (!holder)
        return;
    VideoPlaylist& playlist = *holder;
    utils::Rollback rollback(playlist);
    playlist.deleteMedia(static_cast<int>(id.value()));
    const utils::FailureLog log(Q_FUNC_INFO, Log::Global);
    if (!log.stored(configuration->savePlaylist(&playlist), "Failed to save the playlist"))
        return;
    rollback.commit();
    reloadPlaylists(*configuration, log);
}

void Playlists::setHomePagePlaylist(lea::PlaylistDbId id)
{
    assignPlaylist(id, VideoPlaylist::HomePageType, &PlaylistAssignments::homePagePlaylistId,
        &PlaylistAssignments::setHomePagePlaylistId, Q_FUNC_INFO, "home page");
}

void Playlists::setDisabilityUIPlaylist(lea::PlaylistDbId id)
{
    assignPlaylist(id, VideoPlaylist::DisabledModeType, &PlaylistAssignments::disabledModePlaylistId,
        &PlaylistAssignments::setDisabledModePlaylistId, Q_FUNC_INFO, "accessible interface");
}

Playlists::Playlist Playlists::fromCore(const VideoPlaylist& playlist)
{
    Playlist record;
    record.name = playlist.name();
    record.mode = PlaylistModeEnumConverter::toExternalOrThrow(playlist.mode());
    for (const VideoPlaylist::PlaylistType flag : UsageConverter::convertibleInternalValues()) {
        if (playlist.typeFlags() & flag)
            record.usages.insert(UsageConverter::toExternalOrThrow(flag));
    }
    if (playlist.type() != VideoPlaylist::NoType)
        record.type = UsageConverter::toExternalOrThrow(playlist.type());
    if (!playlist.amiCloId().isEmpty())
        record.amiCloId = playlist.amiCloId();
    record.isRandom = playlist.isRandom();
    record.managementOption
        = PlaylistManagementOptionEnumConverter::toExternalOrThrow(playlist.managementOption());
    for (const PlaylistMedia* media : playlist.playlistMediasList())
        record.medias.push_back(utils::idFromCore<lea::PlaylistMediaDbId>(media->dbId()));
    record.extraText = playlist.extraText();
    return record;
}

void Playlists::fromLea(VideoPlaylist* playlist, const Playlist& record, bool keepAmiCloId)
{
    utils::requireStorableText(record.name);
    utils::requireStorableText(record.amiCloId);
    utils::requireStorableText(record.extraText);
    playlist->setName(record.name);
    playlist->setMode(PlaylistModeEnumConverter::toInternalOrThrow(record.mode));
    playlist->setIsRandom(record.isRandom);
    playlist->setManagementOption(
        PlaylistManagementOptionEnumConverter::toInternalOrThrow(record.managementOption));
    playlist->setExtraText(record.extraText);
    QList<PlaylistMedia*> medias;
    for (const lea::PlaylistMediaDbId id : record.medias) {
        if (PlaylistMedia* media = findMedia(id).first)
            medias << media;
    }
    playlist->setPlaylistMediasList(medias);
    playlist->setType(record.type ? UsageConverter::toInternalOrThrow(*record.type) : VideoPlaylist::NoType);
    playlist->setAmiCloId(keepAmiCloId && record.amiCloId ? *record.amiCloId : QString());
}

std::pair<PlaylistMedia*, int> Playlists::findMedia(lea::PlaylistMediaDbId id)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return { nullptr, -1 };
    const std::pair<VideoPlaylist*, int> holder = holderOf(*configuration, id);
    if (!holder.first)
        return { nullptr, -1 };
    return { holder.first->playlistMediasList().at(holder.second), holder.second + 1 };
}

} // namespace interface
} // namespace bridge
