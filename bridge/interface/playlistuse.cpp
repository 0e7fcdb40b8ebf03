#include "bridge/interface/playlistuse.h"

#include "bridge/writerule.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"

#include <QByteArray>

namespace bridge {
namespace interface {

namespace {

/// Stores the rows of the playlists that lose or gain the use, both or neither.
bool savePlaylists(VideoPlaylist* previous, VideoPlaylist* next)
{
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!loader)
        return false;
    utils::Transaction transaction(*loader);
    return transaction.isOpen() && (!previous || loader->savePlaylist(previous))
        && (!next || loader->savePlaylist(next)) && transaction.commit();
}

QByteArray text(const char* pattern, const char* owner)
{
    return QString::fromLatin1(pattern).arg(QLatin1String(owner)).toUtf8();
}

} // namespace

bool storeMovedUse(Configuration& configuration, QObject& settings, VideoPlaylist* previous,
    VideoPlaylist* next, const std::function<void()>& change, const utils::FailureLog& log, const char* owner)
{
    {
        utils::Rollback rollback(settings);
        if (previous)
            rollback.add(*previous);
        if (next)
            rollback.add(*next);
        change();
        if (!log.stored(
                savePlaylists(previous, next), text("Failed to save the %1's playlists", owner).constData()))
            return false;
        // Announces the change on success: nothing of this configuration may be used after it.
        if (configuration.saveGeneralSettings()) {
            rollback.commit();
            return true;
        }
    }
    log.error(text("Failed to save %1 settings", owner).constData());
    // The playlists' rows already carry the new use: put them back as memory has them again.
    log.stored(
        savePlaylists(previous, next), text("Failed to restore the %1's playlists", owner).constData());
    return false;
}

} // namespace interface
} // namespace bridge
