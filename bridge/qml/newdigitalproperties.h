#pragma once

#include "bridge/qml/propertytexts.h"
#include "bridge/qml/updatelist.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace bridge {
namespace qml {

/// The NewDigital service's state as the user interface shows it, and the
/// operator's requests to the service. One instance per process, published
/// to QML as "NewDigital"; the NewDigital accessor fills it.
class NewDigitalProperties : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ enabled NOTIFY enabledChanged)
    Q_PROPERTY(QString deviceId READ deviceId NOTIFY deviceIdChanged)
    Q_PROPERTY(QString networkLog READ networkLog NOTIFY networkLogChanged)
    Q_PROPERTY(int linesPerLogPage READ linesPerLogPage CONSTANT)
    Q_PROPERTY(bool isCloudConnected READ isCloudConnected NOTIFY cloudConnectionStatusChanged)
    Q_PROPERTY(QString cloudConnectionStatusString READ cloudConnectionStatusString NOTIFY
            cloudConnectionStatusChanged)
    Q_PROPERTY(bool verboseLogsEnabled READ verboseLogsEnabled NOTIFY verboseLogsEnabledChanged)
    Q_PROPERTY(bool softwareAvailable READ softwareAvailable NOTIFY softwareAvailableChanged)
    Q_PROPERTY(QStringList softwareUpdateAvailableList READ softwareUpdateAvailableList)
    Q_PROPERTY(QString applicationUpdateName READ applicationUpdateName CONSTANT)
    Q_PROPERTY(QString configGroupName READ configGroupName CONSTANT)
    Q_PROPERTY(QString completeBackupName READ completeBackupName CONSTANT)
    Q_PROPERTY(QString uiUpdateName READ uiUpdateName CONSTANT)
    Q_PROPERTY(bool configGroupPending READ configGroupPending WRITE setConfigGroupPending NOTIFY
            configGroupPendingChanged)

public:
    /// The process's instance: made on the first call, never destroyed.
    static NewDigitalProperties* instance();

    bool enabled() const { return m_enabled; }
    QString deviceId() const { return m_deviceId; }
    QString networkLog() const { return m_networkLog; }
    int linesPerLogPage() const { return texts::linesPerLogPage; }
    /// The status number of lea::connectivity::NewDigital::CloudConnectionStatus.
    int cloudConnectionStatus() const { return m_cloudConnectionStatus; }
    bool isCloudConnected() const;
    /// The status's name; empty for a number that names none.
    QString cloudConnectionStatusString() const;
    bool verboseLogsEnabled() const { return m_verboseLogsEnabled; }
    bool softwareAvailable() const { return m_softwareAvailable; }
    QStringList softwareUpdateAvailableList() const { return m_updates.names(); }
    QString applicationUpdateName() const { return texts::applicationUpdate(); }
    QString configGroupName() const { return texts::configGroup(); }
    QString completeBackupName() const { return texts::completeBackup(); }
    QString uiUpdateName() const { return texts::uiUpdate(); }
    bool configGroupPending() const { return m_configGroupPending; }

    // Each setter stores and notifies only a value that differs.
    void setEnabled(bool enabled);
    void setDeviceId(const QString& deviceId);
    void setNetworkLog(const QString& log);
    void setCloudConnectionStatus(int status);
    void setVerboseLogsEnabled(bool enabled);
    void setSoftwareAvailable(bool available);
    void setConfigGroupPending(bool pending);

    /// Lists the update called `name` (one of the four update names) while
    /// it is available; softwareAvailable follows whether any is listed.
    void setUpdateAvailable(const QString& name, bool available);

signals:
    void enabledChanged();
    void deviceIdChanged();
    void networkLogChanged();
    void cloudConnectionStatusChanged();
    void verboseLogsEnabledChanged();
    void softwareAvailableChanged();
    void configGroupPendingChanged();
    void updateNetworkLog(int linesPerPage);
    /// The application update came into or left the list.
    void applicationUpdateAvailableChanged();

    // The operator's requests, for the NewDigital client, and the client's results.
    void updateApplication();
    void applicationUpdateFinished(bool succeeded, QString message);
    void importConfigGroup();
    void configGroupUncompressFinished(bool succeeded, QString message);
    void configGroupImportFinished(bool succeeded);
    void importCompleteBackup();
    void completeBackupUncompressFinished(bool succeeded, QString message);
    void importUiUpdate();
    void uiUpdateUncompressFinished(bool succeeded, QString message);

protected:
    NewDigitalProperties() = default;

private:
    bool m_enabled = false;
    QString m_deviceId;
    QString m_networkLog;
    int m_cloudConnectionStatus = 0;
    bool m_verboseLogsEnabled = false;
    bool m_softwareAvailable = false;
    UpdateList m_updates;
    bool m_configGroupPending = false;
};

} // namespace qml
} // namespace bridge
