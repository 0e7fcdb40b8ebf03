#pragma once

#include "bridge/qml/propertytexts.h"

#include <QObject>
#include <QString>

namespace bridge {
namespace qml {

/// The Sophia service's state and the modem that its client drives. One
/// instance per process, used by the Sophia accessor. The test-server flag
/// is the loaded configuration's.
class SophiaProperties : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool active READ active NOTIFY activeChanged)
    Q_PROPERTY(QString hostname READ hostname NOTIFY hostnameChanged)
    Q_PROPERTY(int port READ port NOTIFY portChanged)
    Q_PROPERTY(QString simIdentifier READ simIdentifier NOTIFY simIdentifierChanged)
    Q_PROPERTY(QString firmware READ firmware NOTIFY firmwareChanged)
    Q_PROPERTY(int dbm READ dbm NOTIFY dbmChanged)
    Q_PROPERTY(bool isConnected READ isConnected NOTIFY isConnectedChanged)
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool isTestServerEnabled READ isTestServerEnabled WRITE setIsTestServerEnabled NOTIFY
            isTestServerEnabledChanged)
    Q_PROPERTY(int linesPerLogPage READ linesPerLogPage CONSTANT)
    Q_PROPERTY(QString networkLog READ networkLog NOTIFY networkLogChanged)

public:
    enum State : int {
        FirstStart = 0,
        NotFound = 1,
        WaitData = 2,
        Ready = 3,
        NotReady = 4,
        ErrorCollectingData = 5,
    };
    Q_ENUM(State)

    /// The process's instance: made on the first call, never destroyed.
    static SophiaProperties* instance();

    bool active() const { return m_active; }
    QString hostname() const { return m_hostname; }
    int port() const { return m_port; }
    QString simIdentifier() const { return m_simIdentifier; }
    QString firmware() const { return m_firmware; }
    int dbm() const { return m_dbm; }
    bool isConnected() const { return m_isConnected; }
    State state() const { return m_state; }
    /// The loaded configuration's flag; false, after the guard's log entry, without one.
    bool isTestServerEnabled() const;
    int linesPerLogPage() const { return texts::linesPerLogPage; }
    QString networkLog() const { return m_networkLog; }

    // Each setter stores and notifies only a value that differs.
    void setActive(bool active);
    void setHostname(const QString& hostname);
    void setPort(int port);
    void setSimIdentifier(const QString& simIdentifier);
    void setFirmware(const QString& firmware);
    void setDbm(int dbm);
    /// Notifies with both isConnectedChanged() and connectedChanged().
    void setIsConnected(bool connected);
    void setState(State state);
    /// Stores the flag in the loaded configuration; without one, or when the
    /// configuration cannot store it, logs and keeps the flag.
    void setIsTestServerEnabled(bool enabled);
    void setNetworkLog(const QString& log);

    /// Ask the client to start and stop the modem daemon.
    Q_INVOKABLE void startModemDeamon();
    Q_INVOKABLE void stopModemDeamon();

signals:
    void activeChanged();
    void connectedChanged();
    void hostnameChanged();
    void portChanged();
    void modemDeamonStartAsked();
    void modemDeamonStopAsked();
    void simIdentifierChanged();
    void firmwareChanged();
    void dbmChanged();
    void isConnectedChanged();
    /// The client reported its modem data, changed or not.
    void modemDataChanged();
    void stateChanged();
    void isTestServerEnabledChanged();
    void networkLogChanged();
    void updateNetworkLog(int page);

protected:
    SophiaProperties() = default;

private:
    bool m_active = false;
    QString m_hostname;
    int m_port = 0;
    QString m_simIdentifier;
    QString m_firmware;
    int m_dbm = 0;
    bool m_isConnected = false;
    State m_state = FirstStart;
    QString m_networkLog = texts::unset();
};

} // namespace qml
} // namespace bridge
