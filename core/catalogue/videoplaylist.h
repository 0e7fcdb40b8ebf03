#pragma once

#include <QObject>
#include <QString>

/// A list of videos the user interface plays, for a product or a screen.
class VideoPlaylist : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int typeFlags READ typeFlags WRITE setTypeFlags)

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

private:
    int m_id = -1;
    QString m_name;
    int m_typeFlags = NoType;
};
