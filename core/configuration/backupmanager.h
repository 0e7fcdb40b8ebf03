#pragma once

#include <QObject>
#include <QString>

/// Restores complete backups of the machine: a JSON file whose "settings"
/// object holds saved settings by key, as the settings store keeps them.
class BackupManager : public QObject
{
    Q_OBJECT

public:
    explicit BackupManager(QObject* parent = nullptr);
    ~BackupManager() override;

    /// Whether `path` is a backup that can be restored.
    bool backupImportPossible(const QString& path) const;
    /// Restores the backup at `path` into the active group, all or nothing,
    /// and loads the configuration again; operationCompleted() follows.
    void importRequested(const QString& path);

signals:
    void operationCompleted(bool succeeded, QString message);
};
