#include "core/configuration/newdigitalsettings.h"

#include "core/settings/settingsstore.h"

#include <QJsonObject>

namespace {
const QString kEnabled = QStringLiteral("newDigital/enabled");
const QString kDeviceId = QStringLiteral("newDigital/deviceId");
const QString kCredentialsSecret = QStringLiteral("newDigital/credentialsSecret");
const QString kVerboseLogs = QStringLiteral("newDigital/verboseLogsEnabled");
} // namespace

NewDigitalSettings::NewDigitalSettings(SettingsStore& store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_enabled(store.value(kEnabled, false).toBool())
    , m_deviceId(store.value(kDeviceId).toString())
    , m_credentialsSecret(store.value(kCredentialsSecret).toString())
    , m_verboseLogsEnabled(store.value(kVerboseLogs, false).toBool())
{
}

NewDigitalSettings::~NewDigitalSettings() = default;

bool NewDigitalSettings::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return true;
    if (!m_store.setValue(kEnabled, enabled))
        return false;
    m_enabled = enabled;
    emit enabledChanged(enabled);
    return true;
}

bool NewDigitalSettings::setDeviceId(const QString& deviceId)
{
    if (deviceId == m_deviceId)
        return true;
    if (!m_store.setValue(kDeviceId, deviceId))
        return false;
    m_deviceId = deviceId;
    emit deviceIdChanged(deviceId);
    return true;
}

bool NewDigitalSettings::setCredentialsSecret(const QString& secret)
{
    if (secret == m_credentialsSecret)
        return true;
    if (!m_store.setValue(kCredentialsSecret, secret))
        return false;
    m_credentialsSecret = secret;
    emit credentialsSecretChanged();
    return true;
}

bool NewDigitalSettings::setVerboseLogsEnabled(bool enabled)
{
    if (enabled == m_verboseLogsEnabled)
        return true;
    if (!m_store.setValue(kVerboseLogs, enabled))
        return false;
    m_verboseLogsEnabled = enabled;
    emit verboseLogsEnabledChanged();
    return true;
}

void NewDigitalSettings::importCredentialsSecret(const QString& secret)
{
    if (secret != m_credentialsSecret) {
        m_credentialsSecret = secret;
        emit credentialsSecretChanged();
    }
    emit credentialsSecretImported();
}

bool NewDigitalSettings::save()
{
    return m_store.setValues(QJsonObject { { kEnabled, m_enabled }, { kDeviceId, m_deviceId },
        { kCredentialsSecret, m_credentialsSecret }, { kVerboseLogs, m_verboseLogsEnabled } });
}
