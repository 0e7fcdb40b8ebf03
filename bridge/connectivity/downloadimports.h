#pragma once

#include <QMetaObject>
#include <QObject>
#include <QString>

namespace bridge {
namespace connectivity {

/// Carries out the imports that a telemetry client downloaded: configuration
/// groups and complete backups, through the core's managers. One per
/// accessor; work still deferred when it goes is dropped with it.
class DownloadImports : public QObject
{
    Q_OBJECT

public:
    /// How long a group import waits, so that the operator reads the announcement first.
    static constexpr int groupImportDelayMs = 2000;

    explicit DownloadImports(QObject* parent);
    ~DownloadImports() override;

    /// Announces the import of the group at `path` and imports it after the
    /// delay; groupImported() reports the result. A group the core cannot
    /// import is reported with configurationGroupNotUpdated() at once.
    void importConfigurationGroup(const QString& path);
    /// Asks the core to restore the backup at `path`; its answer arrives with
    /// backupCompleted(). `signature` names the operation in the log.
    void importBackup(const QString& path, const char* signature);
    /// Ends a backup import with the core's answer.
    void finishBackup(bool succeeded, const QString& message, const char* signature);
    /// Stores the group's connectivity id in the active group; a refused
    /// write is logged and leaves the group's id as it was.
    static void saveConnectivityId(const QString& id, const char* signature);

signals:
    void groupImported(bool succeeded);
    void configurationGroupNotUpdated();
    void backupCompleted(bool succeeded, const QString& message);
    void completeBackupNotUpdated();

private:
    QMetaObject::Connection m_backup;
};

} // namespace connectivity
} // namespace bridge
