#pragma once

#include "lea/connectivity/newdigital.h"

class Configuration;
class NewDigitalSettings;

namespace bridge {
namespace connectivity {

class DownloadImports;

/// Gives the NewDigital client its settings from the loaded configuration,
/// relays its reports into the NewDigital property object and the
/// operator's requests back, and carries out the imports it downloaded.
class NewDigital : public lea::connectivity::NewDigital
{
    Q_OBJECT

public:
    explicit NewDigital(QObject* parent);
    ~NewDigital() override;

    // Without a configuration: false or an empty text, and setters change nothing.
    bool enabled() const override;
    QString deviceId() const override;
    void setDeviceId(const QString& deviceId) override;
    QString credentialsSecret() const override;
    void setCredentialsSecret(const QString& secret) override;
    bool verboseLogsEnabled() const override;
    void setVerboseLogsEnabled(bool enabled) override;

    void networkLogChanged(const QString& log) override;
    void cloudConnectionStatusChanged(CloudConnectionStatus status) override;
    void applicationUpdateAvailableChanged(bool available) override;
    void applicationUpdateFinished(bool succeeded, QString message) override;
    void configGroupAvailableChanged(bool available) override;
    void configGroupUncompressFinished(bool succeeded, QString message) override;
    /// The group is pending exactly when its import succeeded.
    void configGroupImportFinished(bool succeeded) override;
    /// Announces the import to the operator and imports the group a moment later.
    void importConfigurationGroup(const QString& path) override;
    /// Ends the pending state and stores the id with the active group.
    void saveConfigurationGroupConnectivityId(const QString& id) override;
    void completeBackupAvailableChanged(bool available) override;
    void completeBackupUncompressFinished(bool succeeded, QString message) override;
    /// The core's answer to a backup import; a failure is logged and announced.
    void completeBackupImportFinished(bool succeeded, const QString& message) override;
    void importBackup(const QString& path) override;
    void uiUpdateAvailableChanged(bool available) override;
    void uiUpdateUncompressFinished(bool succeeded, QString message) override;

private:
    void onConfigurationChanged(const Configuration* configuration);
    void enabledHandler();
    void deviceIdHandler();
    void credentialsSecretHandler();
    void verboseLogsHandler();

    DownloadImports* m_imports;
};

} // namespace connectivity
} // namespace bridge
