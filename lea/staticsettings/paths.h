#pragma once

#include <QObject>
#include <QString>

namespace lea {
namespace staticsettings {

/// Accessor of directory paths.
class Paths : public QObject
{
    Q_OBJECT

public:
    ~Paths() override = default;

    virtual QString playlistImages() const = 0;
    virtual QString playlistVideos() const = 0;
    virtual QString downloadTemporaries() const = 0;
    virtual QString credits() const = 0;
    virtual QString paxio() const = 0;
    virtual QString intis() const = 0;
    virtual QString logs() const = 0;
    virtual QString newDigitalPersistentDir() const = 0;
    virtual QString newDigitalDir() const = 0;
    virtual QString machineFactorySettingsFile() const = 0;
    virtual QString customizationsPath() const = 0;
    virtual QString webUiCustomizationsPath() const = 0;
    virtual QString downloadedPlaylistImages() const = 0;
    virtual QString downloadedPlaylistVideos() const = 0;
    virtual QString downloadedLogos() const = 0;
    virtual QString downloadedIcons() const = 0;
    virtual QString downloadedSystemUpdate() const = 0;
    virtual QString downloadedApplicationUpdate() const = 0;
    virtual QString downloadedConfigurationGroup() const = 0;
    virtual QString configurationGroupUncompressed() const = 0;
    virtual QString downloadedCompleteBackup() const = 0;
    virtual QString completeBackupUncompressed() const = 0;
    virtual QString downloadedUiUpdate() const = 0;
    virtual QString applicationUpdateAtNextBoot() const = 0;

protected:
    explicit Paths(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
