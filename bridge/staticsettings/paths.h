#pragma once

#include "lea/staticsettings/paths.h"

namespace bridge {
namespace staticsettings {

/// The machine's directories for downloads, media, logs and updates, read from
/// the core's path registry at each call. The download directories are made
/// when missing; a directory that cannot be made is still returned.
class Paths : public lea::staticsettings::Paths
{
    Q_OBJECT

public:
    explicit Paths(QObject* parent);
    ~Paths() override;

    QString playlistImages() const override;
    QString playlistVideos() const override;
    QString downloadTemporaries() const override;
    QString credits() const override;
    QString paxio() const override;
    QString intis() const override;
    QString logs() const override;
    QString newDigitalPersistentDir() const override;
    QString newDigitalDir() const override;
    QString machineFactorySettingsFile() const override;
    QString customizationsPath() const override;
    QString webUiCustomizationsPath() const override;
    QString downloadedPlaylistImages() const override;
    QString downloadedPlaylistVideos() const override;
    QString downloadedLogos() const override;
    QString downloadedIcons() const override;
    QString downloadedSystemUpdate() const override;
    QString downloadedApplicationUpdate() const override;
    QString downloadedConfigurationGroup() const override;
    QString configurationGroupUncompressed() const override;
    QString downloadedCompleteBackup() const override;
    QString completeBackupUncompressed() const override;
    QString downloadedUiUpdate() const override;
    /// The application's own update directory on the models and system versions
    /// that boot from it, the registry's fallback otherwise.
    QString applicationUpdateAtNextBoot() const override;
};

} // namespace staticsettings
} // namespace bridge
