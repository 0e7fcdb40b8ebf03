#pragma once

#include "core/catalogue/optionaltext.h"
#include "core/catalogue/playlistmedia.h"
#include "core/configuration/playlistsettings.h"

#include <QList>
#include <QObject>
#include <QString>

/// A list of videos the user interface plays, for a product or a screen.
class VideoPlaylist : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName)
    Q_PROPERTY(int typeFlags READ typeFlags WRITE setTypeFlags)
    Q_PROPERTY(Mode mode READ mode WRITE setMode)
    Q_PROPERTY(PlaylistType type READ type WRITE setType)
    Q_PROPERTY(QString amiCloId READ amiCloId WRITE setAmiCloId)
    Q_PROPERTY(bool isRandom READ isRandom WRITE setIsRandom)
    Q_PROPERTY(PlaylistSettings::PlaylistManagementOption managementOption READ managementOption WRITE
            setManagementOption)
    Q_PROPERTY(QList<PlaylistMedia*> playlistMediasList READ playlistMediasList WRITE setPlaylistMediasList)
    Q_PROPERTY(nonstd::optional<QString> extraText READ extraText WRITE setExtraText)

public:
    /// What a playlist is played for; a playlist may serve several of them.
    enum PlaylistType : int {
        NoType = 0,
        ProductType = 1,
        ScreenSaverType = 2,
        Type4 = 4,
        Type8 = 8,
        Type16 = 16,
        Type32 = 32,
        HomePageType = 64,
        DisabledModeType = 128,
    };
    Q_ENUM(PlaylistType)

    /// How the playlist is played; the machine's own numbering.
    enum Mode : int {
        Mode0 = 0,
        Mode1 = 1,
    };
    Q_ENUM(Mode)

    explicit VideoPlaylist(QObject* parent = nullptr);
    ~VideoPlaylist() override;

    /// The database row id; negative until stored.
    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    /// The PlaylistType flags of every use the playlist serves.
    int typeFlags() const { return m_typeFlags; }
    void setTypeFlags(int flags) { m_typeFlags = flags; }
    void addTypeFlag(PlaylistType flag) { m_typeFlags |= flag; }
    void removeTypeFlag(PlaylistType flag) { m_typeFlags &= ~int(flag); }
    /// The playlist's primary use; NoType for none.
    PlaylistType type() const { return m_type; }
    void setType(PlaylistType type) { m_type = type; }

    Mode mode() const { return m_mode; }
    void setMode(Mode mode) { m_mode = mode; }
    /// The AmiClo service's identifier; empty for none.
    QString amiCloId() const { return m_amiCloId; }
    void setAmiCloId(const QString& id) { m_amiCloId = id; }
    bool isRandom() const { return m_isRandom; }
    void setIsRandom(bool random) { m_isRandom = random; }
    PlaylistSettings::PlaylistManagementOption managementOption() const { return m_managementOption; }
    void setManagementOption(PlaylistSettings::PlaylistManagementOption option)
    {
        m_managementOption = option;
    }
    nonstd::optional<QString> extraText() const { return m_extraText; }
    void setExtraText(const nonstd::optional<QString>& text) { m_extraText = text; }

    /// The media items in playing order; PlaylistSettings owns them.
    QList<PlaylistMedia*> playlistMediasList() const { return m_medias; }
    void setPlaylistMediasList(const QList<PlaylistMedia*>& medias) { m_medias = medias; }
    void addMedia(PlaylistMedia* media);
    /// Takes the item with that database id out of the list; false when there is none.
    bool deleteMedia(int mediaId);

    /// Takes every value of `other` but the id.
    void copyFrom(const VideoPlaylist& other);

private:
    int m_id = -1;
    QString m_name;
    int m_typeFlags = NoType;
    PlaylistType m_type = NoType;
    Mode m_mode = Mode0;
    QString m_amiCloId;
    bool m_isRandom = false;
    PlaylistSettings::PlaylistManagementOption m_managementOption = PlaylistSettings::ManagementOption0;
    nonstd::optional<QString> m_extraText;
    QList<PlaylistMedia*> m_medias;
};
