#include "bridge/qml/sophiaproperties.h"

#include "bridge/qml/propertysetter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/configuration/generalsettings.h"

namespace bridge {
namespace qml {

SophiaProperties* SophiaProperties::instance()
{
    static SophiaProperties* const instance = new SophiaProperties;
    return instance;
}

bool SophiaProperties::isTestServerEnabled() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration && configuration->generalSettings()->isSophiaTestServerEnabled();
}

void SophiaProperties::setActive(bool active)
{
    setAndNotify(this, m_active, active, &SophiaProperties::activeChanged);
}

void SophiaProperties::setHostname(const QString& hostname)
{
    setAndNotify(this, m_hostname, hostname, &SophiaProperties::hostnameChanged);
}

void SophiaProperties::setPort(int port)
{
    setAndNotify(this, m_port, port, &SophiaProperties::portChanged);
}

void SophiaProperties::setSimIdentifier(const QString& simIdentifier)
{
    setAndNotify(this, m_simIdentifier, simIdentifier, &SophiaProperties::simIdentifierChanged);
}

void SophiaProperties::setFirmware(const QString& firmware)
{
    setAndNotify(this, m_firmware, firmware, &SophiaProperties::firmwareChanged);
}

void SophiaProperties::setDbm(int dbm)
{
    setAndNotify(this, m_dbm, dbm, &SophiaProperties::dbmChanged);
}

void SophiaProperties::setIsConnected(bool connected)
{
    if (m_isConnected == connected)
        return;
    m_isConnected = connected;
    emit isConnectedChanged();
    emit connectedChanged();
}

void SophiaProperties::setState(State state)
{
    setAndNotify(this, m_state, state, &SophiaProperties::stateChanged);
}

void SophiaProperties::setIsTestServerEnabled(bool enabled)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    GeneralSettings* settings = configuration->generalSettings();
    if (settings->isSophiaTestServerEnabled() == enabled)
        return;
    const utils::FailureLog failure(Q_FUNC_INFO, Log::Database);
    if (!failure.stored(
            settings->setIsSophiaTestServerEnabled(enabled), "Failed to save the test server flag"))
        return;
    emit isTestServerEnabledChanged();
}

void SophiaProperties::setNetworkLog(const QString& log)
{
    setAndNotify(this, m_networkLog, log, &SophiaProperties::networkLogChanged);
}

void SophiaProperties::startModemDeamon()
{
    emit modemDeamonStartAsked();
}

void SophiaProperties::stopModemDeamon()
{
    emit modemDeamonStopAsked();
}

} // namespace qml
} // namespace bridge
