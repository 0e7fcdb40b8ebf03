#pragma once

#include "core/catalogue/optionaltext.h"

#include <QObject>
#include <QString>

/// An image or video that playlists play, with the time it is shown. A media
/// item may be listed by several playlists.
class PlaylistMedia : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Type type READ type WRITE setType)
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(int timeInSec READ timeInSec WRITE setTimeInSec)
    Q_PROPERTY(nonstd::optional<QString> extraText READ extraText WRITE setExtraText)

public:
    /// The kind of media; the machine's own numbering.
    enum Type : int {
        Type0 = 0,
        Type1 = 1,
    };
    Q_ENUM(Type)

    explicit PlaylistMedia(QObject* parent = nullptr);
    ~PlaylistMedia() override;

    /// The database row id; negative until stored.
    int dbId() const { return m_dbId; }
    void setDbId(int id) { m_dbId = id; }
    Type type() const { return m_type; }
    void setType(Type type) { m_type = type; }
    /// The file, relative to the playlist images directory.
    QString source() const { return m_source; }
    void setSource(const QString& source) { m_source = source; }
    /// The file's path under the machine's playlist images directory.
    QString absoluteSource() const;
    /// The name the operator's tools gave the item.
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    int timeInSec() const { return m_timeInSec; }
    void setTimeInSec(int seconds) { m_timeInSec = seconds; }
    nonstd::optional<QString> extraText() const { return m_extraText; }
    void setExtraText(const nonstd::optional<QString>& text) { m_extraText = text; }

private:
    int m_dbId = -1;
    Type m_type = Type0;
    QString m_source;
    QString m_name;
    int m_timeInSec = 0;
    nonstd::optional<QString> m_extraText;
};
