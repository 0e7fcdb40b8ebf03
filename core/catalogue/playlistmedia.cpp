#include "core/catalogue/playlistmedia.h"

#include "core/configuration/path.h"
#include "core/coreenvironment.h"

#include <QDir>

PlaylistMedia::PlaylistMedia(QObject* parent)
    : QObject(parent)
{
}

PlaylistMedia::~PlaylistMedia() = default;

QString PlaylistMedia::absoluteSource() const
{
    const QString directory = gCoreEnv ? gCoreEnv->path()->path(Path::PlaylistImages) : QString();
    return QDir::cleanPath(directory + QLatin1Char('/') + m_source);
}
