#pragma once

#include <cstdint>
#include <QObject>
#include <QString>

namespace lea {
namespace connectivity {

/// Accessor of the Sophia telemetry service: its client reports into it, and
/// listens to its signals for the operator's requests.
class Sophia : public QObject
{
    Q_OBJECT

public:
    /// The state of the modem that the Sophia client drives.
    enum ModemState : qint32 {
        FirstStart = 0,
        NotFound = 1,
        ErrorCollectingData = 2,
        NotReady = 3,
        WaitData = 4,
        Ready = 5,
    };
    Q_ENUM(ModemState)

    /// Where and how the client reaches the service.
    struct Settings
    {
        uint8_t enabled = 1;
        uint8_t encrypted = 0;
        QString hostname;
        int port = 0;
        bool reportStatistics = false;
        bool reportEvents = false;
        bool testServer = false;
        QString comment;
    };

    /// What the client read from its modem.
    struct ModemData
    {
        QString simIdentifier;
        QString firmware;
        int dbm = 0;
        /// The bit error rate class; 99 when unknown.
        int32_t bitErrorRate = 99;
        QString comment;
    };

    ~Sophia() override = default;

    virtual void setActive(bool active) = 0;
    virtual void setSettings(const Settings& settings) = 0;
    virtual Settings settings() const = 0;
    virtual ModemData modemData() const = 0;
    virtual void setModemData(const ModemData& data) = 0;
    virtual ModemState modemState() const = 0;
    virtual void setModemState(ModemState state) = 0;
    virtual bool isConnected() const = 0;
    virtual void setIsConnected(bool connected) = 0;
    virtual bool active() const = 0;
    virtual void setNetworkLog(const QString& log) = 0;

signals:
    // The operator's requests.
    void modemDaemonStartAsked();
    void modemDaemonStopAsked();
    void modemStateChanged();
    void updateNetworkLog(unsigned int page);

protected:
    explicit Sophia(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
