#pragma once

#include <QObject>
#include <QString>

/// A list of videos the user interface plays, for a product or a screen.
class VideoPlaylist : public QObject
{
    Q_OBJECT

public:
    explicit VideoPlaylist(QObject* parent = nullptr);
    ~VideoPlaylist() override;

    /// The database row id; negative until stored.
    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

private:
    int m_id = -1;
    QString m_name;
};
