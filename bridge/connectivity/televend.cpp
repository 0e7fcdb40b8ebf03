#include "bridge/connectivity/televend.h"

#include "bridge/qml/televendproperties.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/configuration/televendsettings.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/machine.h"

namespace bridge {
namespace connectivity {

namespace {

qml::TelevendProperties& properties()
{
    return *qml::TelevendProperties::instance();
}

} // namespace

Televend::Televend(QObject* parent)
    : lea::connectivity::Televend(parent)
{
    utils::connectToConfigurationPart([](const Configuration* c) { return c->televendSettings(); },
        &TelevendSettings::enabledChanged, this, &Televend::onEnabledChanged);
    connect(gCoreEnv, &CoreEnvironment::configurationChanged, this, &Televend::onConfigurationChanged);
    onConfigurationChanged();
    qml::TelevendProperties* source = &properties();
    connect(source, &qml::TelevendProperties::updateNetworkLog, this, &Televend::onUpdateNetworkLog);
    connect(source, &qml::TelevendProperties::sendAction, this, &Televend::sendAction);
    connect(source, &qml::TelevendProperties::sendFactoryReset, this, &Televend::sendFactoryReset);
    connect(source, &qml::TelevendProperties::sendActivation, this, &Televend::sendActivation);
}

Televend::~Televend() = default;

bool Televend::enabled() const
{
    const Configuration* configuration = gCoreEnv->configuration();
    return configuration && configuration->televendSettings()->enabled();
}

QString Televend::pid() const
{
    return properties().pid();
}

lea::connectivity::Televend::PeriodicMessageSendingSettings Televend::periodicMessageSendingSettings() const
{
    utils::warnNotImplemented(Q_FUNC_INFO, __FILE__, __LINE__);
    return {};
}

void Televend::onPidChanged(const QString& pid)
{
    properties().setPid(pid);
    emit pidChanged();
}

void Televend::vamConnectedChanged(bool connected)
{
    properties().setVamConnected(connected);
}

void Televend::tamConnectedChanged(bool connected)
{
    properties().setTamConnected(connected);
}

void Televend::networkLogChanged(const QString& log)
{
    properties().setNetworkLog(log);
}

void Televend::localVamApiVersionChanged(const ApiVersion& version)
{
    properties().setLocalVamApiVersion(version);
}

void Televend::localTamApiVersionChanged(const ApiVersion& version)
{
    properties().setLocalTamApiVersion(version);
}

void Televend::remoteVamApiVersionChanged(const ApiVersion& version)
{
    properties().setRemoteVamApiVersion(version);
}

void Televend::remoteTamApiVersionChanged(const ApiVersion& version)
{
    properties().setRemoteTamApiVersion(version);
}

void Televend::onPendingEventsChanged(int events)
{
    properties().setPendingEvents(events);
}

void Televend::onPendingVendsChanged(int vends)
{
    properties().setPendingVends(vends);
}

void Televend::onActivationStatusChanged(const ActivationStatus& status)
{
    properties().setActivationStatus(status);
}

void Televend::cloudConnectionStatusChanged(CloudConnectionStatus status)
{
    properties().setCloudConnectionStatus(status);
    if (Machine* machine = gCoreEnv->machine())
        machine->setTelevendCloudConnected(properties().isCloudConnected());
}

void Televend::onAckReceived(const QString& type)
{
    emit properties().ackReceived(type);
}

void Televend::onNakReceived(const QString& type)
{
    emit properties().nakReceived(type);
}

void Televend::onConfigurationChanged()
{
    onEnabledChanged();
}

void Televend::onEnabledChanged()
{
    const bool on = enabled();
    emit enabledChanged(on);
    properties().setEnabled(on);
}

void Televend::onUpdateNetworkLog(int linesPerPage)
{
    // A negative page size would reach the client as a huge one.
    if (linesPerPage < 0) {
        LogFormatter(LogLevel::Warning).log(Log::Global)
            << Q_FUNC_INFO << "Invalid number of network log lines per page:" << linesPerPage;
        return;
    }
    emit updateNetworkLog(static_cast<unsigned int>(linesPerPage));
}

} // namespace connectivity
} // namespace bridge
