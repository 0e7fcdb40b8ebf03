#pragma once

#include <QJsonObject>
#include <QObject>

class Configuration;
class SettingsStore;
class VideoPlaylist;

/// The screen saver of a configuration: whether it runs, after how long, and
/// the playlist it plays, kept under "screenSaver/..." keys. Setters change
/// the values held here; Configuration::saveGeneralSettings() stores them and
/// then announces what changed.
class ScreenSaverSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enable READ enable WRITE setEnable)
    Q_PROPERTY(int time READ time WRITE setTime)
    Q_PROPERTY(int idVideoPlaylist READ idVideoPlaylist WRITE setIdVideoPlaylist)

public:
    /// `configuration` resolves the playlist id and must outlive this object.
    explicit ScreenSaverSettings(const Configuration& configuration, QObject* parent = nullptr);
    ~ScreenSaverSettings() override;

    bool enable() const { return m_enable; }
    void setEnable(bool enable) { m_enable = enable; }
    /// In the machine's unit.
    int time() const { return m_time; }
    void setTime(int time) { m_time = time; }
    /// Negative when the screen saver has no playlist.
    int idVideoPlaylist() const { return m_idVideoPlaylist; }
    void setIdVideoPlaylist(int id) { m_idVideoPlaylist = id; }
    /// The loaded playlist of idVideoPlaylist(), or null.
    VideoPlaylist* playlist() const;

    void load(const SettingsStore& store);
    /// Stores the values, and `alongside` with them; on success, emits the
    /// signal of each that differs from the last stored one. False, with
    /// nothing stored or emitted, when refused.
    bool save(SettingsStore& store, QJsonObject alongside = {});

signals:
    void playlistChanged();
    void enableChanged(bool enable);
    void timeChanged(int time);

private:
    const Configuration& m_configuration;
    bool m_enable = false;
    int m_time = 0;
    int m_idVideoPlaylist = -1;
    bool m_storedEnable = false;
    int m_storedTime = 0;
    int m_storedIdVideoPlaylist = -1;
};
