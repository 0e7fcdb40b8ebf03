#pragma once

#include <QObject>
#include <QString>

namespace lea {
namespace connectivity {

/// Accessor of the NewDigital telemetry service: its client reports into it,
/// and listens to its signals for the settings and the operator's requests.
class NewDigital : public QObject
{
    Q_OBJECT

public:
    enum CloudConnectionStatus : qint32 {
        NotConnected = 0,
        Connecting = 1,
        Connected = 2,
        Reconnecting = 3,
    };
    Q_ENUM(CloudConnectionStatus)

    ~NewDigital() override = default;

    virtual bool enabled() const = 0;
    virtual QString deviceId() const = 0;
    virtual void setDeviceId(const QString& deviceId) = 0;
    /// The access secret of the service.
    virtual QString credentialsSecret() const = 0;
    virtual void setCredentialsSecret(const QString& secret) = 0;
    virtual bool verboseLogsEnabled() const = 0;
    virtual void setVerboseLogsEnabled(bool enabled) = 0;
    virtual void networkLogChanged(const QString& log) = 0;
    virtual void cloudConnectionStatusChanged(CloudConnectionStatus status) = 0;
    virtual void applicationUpdateAvailableChanged(bool available) = 0;
    virtual void applicationUpdateFinished(bool succeeded, QString message) = 0;
    virtual void configGroupAvailableChanged(bool available) = 0;
    virtual void configGroupUncompressFinished(bool succeeded, QString message) = 0;
    virtual void configGroupImportFinished(bool succeeded) = 0;
    /// Imports the configuration group that the client downloaded to `path`.
    virtual void importConfigurationGroup(const QString& path) = 0;
    virtual void saveConfigurationGroupConnectivityId(const QString& id) = 0;
    virtual void completeBackupAvailableChanged(bool available) = 0;
    virtual void completeBackupUncompressFinished(bool succeeded, QString message) = 0;
    virtual void completeBackupImportFinished(bool succeeded, const QString& message) = 0;
    /// Imports the complete backup that the client downloaded to `path`.
    virtual void importBackup(const QString& path) = 0;
    virtual void uiUpdateAvailableChanged(bool available) = 0;
    virtual void uiUpdateUncompressFinished(bool succeeded, QString message) = 0;

signals:
    void enabledChanged(bool enabled);
    void deviceIdChanged(const QString& deviceId);
    void credentialsSecretChanged(const QString& secret);
    void verboseLogsEnabledChanged(bool enabled);
    /// A secret came with a download and replaced the configured one.
    void credentialsSecretImported();
    // The operator's requests.
    void updateApplication();
    void importConfigGroup();
    void importCompleteBackup();
    void importUiUpdate();
    void updateNetworkLog(unsigned int linesPerPage);
    void configurationGroupNotUpdated();
    void completeBackupNotUpdated();

protected:
    explicit NewDigital(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
