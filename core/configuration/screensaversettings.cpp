#include "core/configuration/screensaversettings.h"

#include "core/configuration/configuration.h"
#include "core/settings/settingsstore.h"

#include <QJsonObject>
#include <QPointer>
#include <utility>

namespace {
const QString kEnable = QStringLiteral("screenSaver/enable");
const QString kTime = QStringLiteral("screenSaver/time");
const QString kPlaylistId = QStringLiteral("screenSaver/playlistId");
} // namespace

ScreenSaverSettings::ScreenSaverSettings(const Configuration& configuration, QObject* parent)
    : QObject(parent)
    , m_configuration(configuration)
{
}

ScreenSaverSettings::~ScreenSaverSettings() = default;

VideoPlaylist* ScreenSaverSettings::playlist() const
{
    return m_configuration.playlistForId(m_idVideoPlaylist);
}

void ScreenSaverSettings::load(const SettingsStore& store)
{
    m_enable = m_storedEnable = store.value(kEnable, m_enable).toBool();
    m_time = m_storedTime = store.value(kTime, m_time).toInt();
    m_idVideoPlaylist = m_storedIdVideoPlaylist = store.value(kPlaylistId, m_idVideoPlaylist).toInt();
}

bool ScreenSaverSettings::save(SettingsStore& store, QJsonObject alongside)
{
    alongside.insert(kEnable, m_enable);
    alongside.insert(kTime, m_time);
    alongside.insert(kPlaylistId, m_idVideoPlaylist);
    if (!store.setValues(alongside))
        return false;
    const bool enableChange = std::exchange(m_storedEnable, m_enable) != m_enable;
    const bool timeChange = std::exchange(m_storedTime, m_time) != m_time;
    const bool playlistChange
        = std::exchange(m_storedIdVideoPlaylist, m_idVideoPlaylist) != m_idVideoPlaylist;
    // Copies: a slot may replace the configuration, and this object with it.
    const bool enable = m_enable;
    const int time = m_time;
    QPointer<ScreenSaverSettings> self(this);
    if (enableChange)
        emit enableChanged(enable);
    if (self && timeChange)
        emit timeChanged(time);
    if (self && playlistChange)
        emit playlistChanged();
    return true;
}
