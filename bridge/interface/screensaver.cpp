#include "bridge/interface/screensaver.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/screensaversettings.h"
#include "core/log/logformatter.h"

#include <limits>

namespace bridge {
namespace interface {

namespace {

ScreenSaverSettings* screenSaverOf(const Configuration* configuration)
{
    return configuration->screenSaverSettings();
}

/// Stores the rows of the playlists that lose or gain the screen-saver use, both or neither.
bool savePlaylists(VideoPlaylist* previous, VideoPlaylist* next)
{
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    if (!loader)
        return false;
    utils::Transaction transaction(*loader);
    return transaction.isOpen() && (!previous || loader->savePlaylist(previous))
        && (!next || loader->savePlaylist(next)) && transaction.commit();
}

} // namespace

Screensaver::Screensaver(QObject* parent)
    : lea::interface::Screensaver(parent)
{
    utils::connectToConfigurationPart(
        screenSaverOf, &ScreenSaverSettings::playlistChanged, this, &Screensaver::changed);
    utils::connectToConfigurationPart(
        screenSaverOf, &ScreenSaverSettings::enableChanged, this, &Screensaver::changed);
    utils::connectToConfigurationPart(
        screenSaverOf, &ScreenSaverSettings::timeChanged, this, &Screensaver::changed);
}

Screensaver::~Screensaver() = default;

lea::interface::Screensaver::Settings Screensaver::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const ScreenSaverSettings& screenSaver = *configuration->screenSaverSettings();
    return { screenSaver.enable(), utils::idFromCoreOpt<lea::PlaylistDbId>(screenSaver.idVideoPlaylist()),
        screenSaver.time() };
}

void Screensaver::setSettings(const Settings& settings)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    // The machine keeps 32 bits; a longer time would be stored as another one.
    if (settings.time < std::numeric_limits<int>::min() || settings.time > std::numeric_limits<int>::max()) {
        LogFormatter(LogLevel::Warning).log(Log::Global)
            << Q_FUNC_INFO << "Screen saver time out of range:" << qint64(settings.time);
        return;
    }
    VideoPlaylist* next = nullptr;
    if (settings.playlist) {
        const nonstd::optional<int> id = utils::coreId(*settings.playlist);
        next = id ? configuration->playlistForId(*id) : nullptr;
        if (!next) {
            LogFormatter(LogLevel::Warning).log(Log::Global)
                << Q_FUNC_INFO << "No playlist with id" << settings.playlist->value();
            return;
        }
    }
    ScreenSaverSettings& screenSaver = *configuration->screenSaverSettings();
    VideoPlaylist* previous = screenSaver.playlist();
    const utils::FailureLog log(Q_FUNC_INFO, Log::Global);
    {
        utils::Rollback rollback(screenSaver);
        if (previous)
            rollback.add(*previous);
        if (next)
            rollback.add(*next);
        if (previous)
            previous->removeTypeFlag(VideoPlaylist::ScreenSaverType);
        screenSaver.setEnable(settings.enabled);
        screenSaver.setIdVideoPlaylist(next ? next->id() : -1);
        screenSaver.setTime(static_cast<int>(settings.time));
        if (next)
            next->addTypeFlag(VideoPlaylist::ScreenSaverType);
        if (!log.stored(savePlaylists(previous, next), "Failed to save the screen saver's playlists"))
            return;
        // Announces the change on success: nothing of this configuration may be used after it.
        if (configuration->saveGeneralSettings()) {
            rollback.commit();
            return;
        }
    }
    log.error("Failed to save screen saver settings");
    // The playlists' rows already carry the new use: put them back as memory has them again.
    log.stored(savePlaylists(previous, next), "Failed to restore the screen saver's playlists");
}

} // namespace interface
} // namespace bridge
