#pragma once

#include "lea/connectivity/televend.h"

#include <QObject>
#include <QString>

namespace bridge {
namespace qml {

/// The Televend service's state as the user interface shows it, and the
/// operator's requests to the service. One instance per process, published
/// to QML as "Televend"; the Televend accessor fills it. Its texts are
/// translated in the context "bridge::qml::TelevendProperties".
class TelevendProperties : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ enabled NOTIFY enabledChanged)
    Q_PROPERTY(bool vamConnected READ vamConnected NOTIFY vamConnectedChanged)
    Q_PROPERTY(bool tamConnected READ tamConnected NOTIFY tamConnectedChanged)
    Q_PROPERTY(QString localVamApiVersion READ localVamApiVersion NOTIFY localVamApiVersionChanged)
    Q_PROPERTY(QString remoteVamApiVersion READ remoteVamApiVersion NOTIFY remoteVamApiVersionChanged)
    Q_PROPERTY(QString localTamApiVersion READ localTamApiVersion NOTIFY localTamApiVersionChanged)
    Q_PROPERTY(QString remoteTamApiVersion READ remoteTamApiVersion NOTIFY remoteTamApiVersionChanged)
    Q_PROPERTY(
        bool hasVamApiVersionMismatch READ hasVamApiVersionMismatch NOTIFY hasVamApiVersionMismatchChanged)
    Q_PROPERTY(
        bool hasTamApiVersionMismatch READ hasTamApiVersionMismatch NOTIFY hasTamApiVersionMismatchChanged)
    Q_PROPERTY(bool isCloudConnected READ isCloudConnected NOTIFY cloudConnectionStatusChanged)
    Q_PROPERTY(QString cloudConnectionStatusString READ cloudConnectionStatusString NOTIFY
            cloudConnectionStatusChanged)
    Q_PROPERTY(int pendingEvents READ pendingEvents NOTIFY pendingEventsChanged)
    Q_PROPERTY(int pendingVends READ pendingVends NOTIFY pendingVendsChanged)
    Q_PROPERTY(QString networkLog READ networkLog NOTIFY networkLogChanged)
    Q_PROPERTY(int linesPerLogPage READ linesPerLogPage CONSTANT)
    Q_PROPERTY(QString pid READ pid NOTIFY pidChanged)
    Q_PROPERTY(QString activationStatusString READ activationStatusString NOTIFY activationStatusChanged)
    Q_PROPERTY(bool isActivated READ isActivated NOTIFY activationStatusChanged)

public:
    using ApiVersion = lea::connectivity::Televend::ApiVersion;
    using ActivationStatus = lea::connectivity::Televend::ActivationStatus;

    /// The process's instance: made on the first call, never destroyed.
    static TelevendProperties* instance();

    bool enabled() const { return m_enabled; }
    bool vamConnected() const { return m_vamConnected; }
    bool tamConnected() const { return m_tamConnected; }
    /// Versions as "major.minor.patch".
    QString localVamApiVersion() const;
    QString remoteVamApiVersion() const;
    QString localTamApiVersion() const;
    QString remoteTamApiVersion() const;
    /// Local and remote API differ in their major number.
    bool hasVamApiVersionMismatch() const;
    bool hasTamApiVersionMismatch() const;
    /// The status number of lea::connectivity::Televend::CloudConnectionStatus.
    int cloudConnectionStatus() const { return m_cloudConnectionStatus; }
    bool isCloudConnected() const;
    QString cloudConnectionStatusString() const;
    int pendingEvents() const { return m_pendingEvents; }
    int pendingVends() const { return m_pendingVends; }
    QString networkLog() const { return m_networkLog; }
    int linesPerLogPage() const;
    QString pid() const { return m_pid; }
    ActivationStatus activationStatus() const { return m_activationStatus; }
    QString activationStatusString() const;
    bool isActivated() const;

    // Each setter stores and notifies only a value that differs, but for the
    // API versions: their reports are always passed on.
    void setEnabled(bool enabled);
    void setVamConnected(bool connected);
    void setTamConnected(bool connected);
    void setLocalVamApiVersion(const ApiVersion& version);
    void setRemoteVamApiVersion(const ApiVersion& version);
    void setLocalTamApiVersion(const ApiVersion& version);
    void setRemoteTamApiVersion(const ApiVersion& version);
    void setCloudConnectionStatus(int status);
    void setPendingEvents(int events);
    void setPendingVends(int vends);
    void setNetworkLog(const QString& log);
    void setPid(const QString& pid);
    /// Notifies when the status, the presence of an error or the error differs.
    void setActivationStatus(const ActivationStatus& status);

    // The operator's requests from QML.
    Q_INVOKABLE void sendActionCashCollection();
    Q_INVOKABLE void sendActionRefill();
    Q_INVOKABLE void sendActionPullConfiguration();
    Q_INVOKABLE void sendActionPullPrices();
    Q_INVOKABLE void sendFactoryResetFromQml(bool deactivate);
    Q_INVOKABLE void sendActivationFromQml(const QString& serverIP, const QString& activationCode);

signals:
    void enabledChanged();
    void vamConnectedChanged();
    void tamConnectedChanged();
    void localVamApiVersionChanged();
    void remoteVamApiVersionChanged();
    void localTamApiVersionChanged();
    void remoteTamApiVersionChanged();
    void hasVamApiVersionMismatchChanged();
    void hasTamApiVersionMismatchChanged();
    void cloudConnectionStatusChanged();
    void pendingEventsChanged();
    void pendingVendsChanged();
    void networkLogChanged();
    void pidChanged();
    void activationStatusChanged();

    // The operator's requests, for the Televend client, and what it received.
    void updateNetworkLog(int linesPerPage);
    void sendAction(lea::connectivity::Televend::ActionType actionType);
    void sendFactoryReset(bool deactivate);
    void sendActivation(QString serverIP, QString activationCode);
    void ackReceived(QString type);
    void nakReceived(QString type);

protected:
    TelevendProperties();

private:
    bool m_enabled = false;
    bool m_vamConnected = false;
    bool m_tamConnected = false;
    ApiVersion m_localVamApiVersion;
    ApiVersion m_localTamApiVersion;
    ApiVersion m_remoteVamApiVersion;
    ApiVersion m_remoteTamApiVersion;
    int m_cloudConnectionStatus = 0;
    ActivationStatus m_activationStatus;
    int m_pendingEvents = 0;
    int m_pendingVends = 0;
    QString m_networkLog;
    QString m_pid;
};

} // namespace qml
} // namespace bridge
