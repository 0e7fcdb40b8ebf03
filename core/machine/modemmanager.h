#pragma once

#include <QObject>
#include <QString>

/// The machine's mobile modem as its daemon reports it: signal strength,
/// network identity and connection status.
class ModemManager : public QObject
{
    Q_OBJECT

public:
    enum ConnectionStatus : int {
        StatusUnknown = 100, ///< the daemon has not reported yet
        Disconnected = 101,
        Connecting = 102,
        Connected = 103,
        ConnectionError = 104,
    };
    Q_ENUM(ConnectionStatus)

    /// The raw signal value while the modem has no measurement.
    static constexpr int kNoMeasurement = 99;

    explicit ModemManager(QObject* parent = nullptr);
    ~ModemManager() override;

    /// The modem's raw signal quality: 0 to 31, or kNoMeasurement.
    int rssi() const { return m_rssi; }
    void setRssi(int rssi);
    QString plmn() const { return m_plmn; }
    void setPlmn(const QString& plmn);
    QString imsi() const { return m_imsi; }
    void setImsi(const QString& imsi);
    QString imei() const { return m_imei; }
    void setImei(const QString& imei);
    QString mobileNetworkCode() const { return m_mobileNetworkCode; }
    void setMobileNetworkCode(const QString& code);
    QString mobileCountryCode() const { return m_mobileCountryCode; }
    void setMobileCountryCode(const QString& code);
    QString locationAreaCode() const { return m_locationAreaCode; }
    void setLocationAreaCode(const QString& code);
    QString cellId() const { return m_cellId; }
    void setCellId(const QString& id);
    ConnectionStatus connectionStatus() const { return m_connectionStatus; }
    void setConnectionStatus(ConnectionStatus status);

signals:
    void rssiChanged();
    void plmnChanged();
    void imsiChanged();
    void imeiChanged();
    void mobileNetworkCodeChanged();
    void mobileCountryCodeChanged();
    void locationAreaCodeChanged();
    void cellIdChanged();
    void connectionStatusChanged();

private:
    int m_rssi = kNoMeasurement;
    QString m_plmn;
    QString m_imsi;
    QString m_imei;
    QString m_mobileNetworkCode;
    QString m_mobileCountryCode;
    QString m_locationAreaCode;
    QString m_cellId;
    ConnectionStatus m_connectionStatus = StatusUnknown;
};
