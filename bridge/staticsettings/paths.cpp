#include "bridge/staticsettings/paths.h"

#include "core/configuration/path.h"
#include "core/coreenvironment.h"
#include "core/hardwareenvironment.h"

#include <QDir>

namespace bridge {
namespace staticsettings {

namespace {

QString entry(Path::Entry entry)
{
    return gCoreEnv->path()->path(entry);
}

// A directory that cannot be made is the caller's to notice when it writes there.
QString created(const QString& directory)
{
    QDir().mkpath(directory);
    return directory;
}

QString createdUnder(Path::Entry base, const char* suffix)
{
    return created(entry(base) + QLatin1String(suffix));
}

bool bootsFromApplicationDirectory()
{
    const VersionNumber version = gHardwareEnv->systemKeyVersion();
    const HardwareEnvironment::MachineModel model = gHardwareEnv->machineModel();
    return (version >= VersionNumber(QStringLiteral("1.1.8.2"))
               && model == HardwareEnvironment::FloorStandingInstant)
        || (version >= VersionNumber(QStringLiteral("3.0.14.0"))
            && model == HardwareEnvironment::CompactEspresso);
}

} // namespace

Paths::Paths(QObject* parent)
    : lea::staticsettings::Paths(parent)
{
}

Paths::~Paths() = default;

QString Paths::playlistImages() const
{
    return entry(Path::PlaylistImages);
}

QString Paths::playlistVideos() const
{
    return entry(Path::PlaylistVideos);
}

QString Paths::downloadTemporaries() const
{
    return entry(Path::DownloadTemporaries);
}

QString Paths::credits() const
{
    return entry(Path::Credits);
}

QString Paths::paxio() const
{
    return entry(Path::Paxio);
}

QString Paths::intis() const
{
    return entry(Path::Intis);
}

QString Paths::logs() const
{
    return entry(Path::Logs);
}

QString Paths::newDigitalPersistentDir() const
{
    return entry(Path::NewDigitalPersistent);
}

QString Paths::newDigitalDir() const
{
    return entry(Path::NewDigital);
}

QString Paths::machineFactorySettingsFile() const
{
    return entry(Path::MachineFactorySettingsFile);
}

QString Paths::customizationsPath() const
{
    return created(entry(Path::Customizations));
}

QString Paths::webUiCustomizationsPath() const
{
    return created(entry(Path::WebUiCustomizations));
}

QString Paths::downloadedPlaylistImages() const
{
    return createdUnder(Path::PlaylistImages, "playlistMedia/");
}

QString Paths::downloadedPlaylistVideos() const
{
    return createdUnder(Path::PlaylistVideos, "playlistMedia/");
}

QString Paths::downloadedLogos() const
{
    return createdUnder(Path::PlaylistImages, "assets/");
}

QString Paths::downloadedIcons() const
{
    return createdUnder(Path::PlaylistImages, "cloud-icons/");
}

QString Paths::downloadedSystemUpdate() const
{
    return createdUnder(Path::DownloadBase, "firmware/");
}

QString Paths::downloadedApplicationUpdate() const
{
    return createdUnder(Path::DownloadBase, "applicative/");
}

QString Paths::downloadedConfigurationGroup() const
{
    return createdUnder(Path::DownloadBase, "configurationGroup/");
}

QString Paths::configurationGroupUncompressed() const
{
    return createdUnder(Path::DownloadBase, "configurationGroup/uncompressed/");
}

QString Paths::downloadedCompleteBackup() const
{
    return createdUnder(Path::DownloadBase, "completeBackup/");
}

QString Paths::completeBackupUncompressed() const
{
    return createdUnder(Path::DownloadBase, "completeBackup/uncompressed/");
}

QString Paths::downloadedUiUpdate() const
{
    return createdUnder(Path::DownloadBase, "uiUpdate/");
}

QString Paths::applicationUpdateAtNextBoot() const
{
    if (bootsFromApplicationDirectory())
        return createdUnder(Path::Application, "res/bin_update_at_next_boot/");
    return created(entry(Path::UpdateAtNextBoot));
}

} // namespace staticsettings
} // namespace bridge
