#include "core/configuration/path.h"

void Path::setRoot(const QString& root)
{
    m_root = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
}

QString Path::path(Entry entry) const
{
    switch (entry) {
    case PlaylistImages:
        return m_root + QStringLiteral("playlist/images/");
    case PlaylistVideos:
        return m_root + QStringLiteral("playlist/videos/");
    case DownloadTemporaries:
        return m_root + QStringLiteral("download/tmp/");
    case DownloadBase:
        return m_root + QStringLiteral("download/");
    case Credits:
        return m_root + QStringLiteral("credits/");
    case Paxio:
        return m_root + QStringLiteral("paxio/");
    case Intis:
        return m_root + QStringLiteral("intis/");
    case Logs:
        return m_root + QStringLiteral("logs/");
    case NewDigitalPersistent:
        return m_root + QStringLiteral("persistent/newdigital/");
    case NewDigital:
        return m_root + QStringLiteral("newdigital/");
    case MachineFactorySettingsFile:
        return m_root + QStringLiteral("factory/machine.ini");
    case Customizations:
        return m_root + QStringLiteral("customizations/");
    case WebUiCustomizations:
        return m_root + QStringLiteral("webui/customizations/");
    case Application:
        return m_root + QStringLiteral("application/");
    case UpdateAtNextBoot:
        return m_root + QStringLiteral("bin_update_at_next_boot/");
    }
    return QString();
}
