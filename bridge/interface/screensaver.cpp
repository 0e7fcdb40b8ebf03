#include "bridge/interface/screensaver.h"

#include "bridge/interface/playlistuse.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/videoplaylist.h"
#include "core/configuration/configuration.h"
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
    storeMovedUse(
        *configuration, screenSaver, previous, next,
        [&] {
            if (previous)
                previous->removeTypeFlag(VideoPlaylist::ScreenSaverType);
            screenSaver.setEnable(settings.enabled);
            screenSaver.setIdVideoPlaylist(next ? next->id() : -1);
            screenSaver.setTime(static_cast<int>(settings.time));
            if (next)
                next->addTypeFlag(VideoPlaylist::ScreenSaverType);
        },
        utils::FailureLog(Q_FUNC_INFO, Log::Global), "screen saver");
}

} // namespace interface
} // namespace bridge
