#pragma once

#include <QObject>
#include <QString>

class SettingsStore;

/// The NewDigital telemetry settings of a configuration, kept in the
/// configuration group's settings store under "newDigital/..." keys.
class NewDigitalSettings : public QObject
{
    Q_OBJECT

public:
    /// `store` must outlive the settings.
    explicit NewDigitalSettings(SettingsStore& store, QObject* parent = nullptr);
    ~NewDigitalSettings() override;

    bool enabled() const { return m_enabled; }
    QString deviceId() const { return m_deviceId; }
    /// The access secret of the service, passed through as it is.
    QString credentialsSecret() const { return m_credentialsSecret; }
    bool verboseLogsEnabled() const { return m_verboseLogsEnabled; }

    // Each setter stores the value; false, with the value unchanged, when the store refuses.
    bool setEnabled(bool enabled);
    bool setDeviceId(const QString& deviceId);
    bool setCredentialsSecret(const QString& secret);
    bool setVerboseLogsEnabled(bool enabled);

    /// A secret that came with a download replaces the one in memory; the
    /// configuration's saveNewDigitalSettings() stores it (simulator hook).
    void importCredentialsSecret(const QString& secret);
    /// Stores every setting as it is now: all or nothing.
    bool save();

signals:
    void enabledChanged(bool enabled);
    void deviceIdChanged(const QString& deviceId);
    void credentialsSecretChanged();
    void verboseLogsEnabledChanged();
    void credentialsSecretImported();

private:
    bool store(const QString& key, const QString& value);

    SettingsStore& m_store;
    bool m_enabled;
    QString m_deviceId;
    QString m_credentialsSecret;
    bool m_verboseLogsEnabled;
};
