#include "bridge/qml/newdigitalproperties.h"

#include "bridge/qml/propertysetter.h"

namespace bridge {
namespace qml {

NewDigitalProperties* NewDigitalProperties::instance()
{
    static NewDigitalProperties* const instance = new NewDigitalProperties;
    return instance;
}

bool NewDigitalProperties::isCloudConnected() const
{
    return m_cloudConnectionStatus == 2;
}

QString NewDigitalProperties::cloudConnectionStatusString() const
{
    switch (m_cloudConnectionStatus) {
    case 0:
        return QStringLiteral("NotConnected");
    case 1:
        return QStringLiteral("Connecting");
    case 2:
        return QStringLiteral("Connected");
    case 3:
        return QStringLiteral("Reconnecting");
    default:
        return QString();
    }
}

void NewDigitalProperties::setEnabled(bool enabled)
{
    setAndNotify(this, m_enabled, enabled, &NewDigitalProperties::enabledChanged);
}

void NewDigitalProperties::setDeviceId(const QString& deviceId)
{
    setAndNotify(this, m_deviceId, deviceId, &NewDigitalProperties::deviceIdChanged);
}

void NewDigitalProperties::setNetworkLog(const QString& log)
{
    setAndNotify(this, m_networkLog, log, &NewDigitalProperties::networkLogChanged);
}

void NewDigitalProperties::setCloudConnectionStatus(int status)
{
    setAndNotify(this, m_cloudConnectionStatus, status, &NewDigitalProperties::cloudConnectionStatusChanged);
}

void NewDigitalProperties::setVerboseLogsEnabled(bool enabled)
{
    setAndNotify(this, m_verboseLogsEnabled, enabled, &NewDigitalProperties::verboseLogsEnabledChanged);
}

void NewDigitalProperties::setSoftwareAvailable(bool available)
{
    setAndNotify(this, m_softwareAvailable, available, &NewDigitalProperties::softwareAvailableChanged);
}

void NewDigitalProperties::setConfigGroupPending(bool pending)
{
    setAndNotify(this, m_configGroupPending, pending, &NewDigitalProperties::configGroupPendingChanged);
}

void NewDigitalProperties::setUpdateAvailable(const QString& name, bool available)
{
    const bool wasListed = m_updates.contains(name);
    m_updates.setAvailable(name, available);
    if (available || m_updates.isEmpty())
        setSoftwareAvailable(available);
    if (name == applicationUpdateName() && wasListed != m_updates.contains(name))
        emit applicationUpdateAvailableChanged();
}

} // namespace qml
} // namespace bridge
