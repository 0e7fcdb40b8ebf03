#include "bridge/connectivity/sophia.h"

#include "bridge/connectivity/modemstateenumconverter.h"
#include "bridge/connectivity/telemetryrelays.h"
#include "bridge/qml/sophiaproperties.h"
#include "core/configuration/configuration.h"
#include "core/configuration/generalsettings.h"
#include "core/coreenvironment.h"

namespace bridge {
namespace connectivity {

namespace {

const QString kProductionServer = QStringLiteral("sophia.vending-telemetry.net");
const QString kTestServer = QStringLiteral("192.0.2.17");
constexpr int kPort = 12007;

qml::SophiaProperties* properties()
{
    return qml::SophiaProperties::instance();
}

} // namespace

Sophia::Sophia(QObject* parent)
    : lea::connectivity::Sophia(parent)
{
    connect(
        properties(), &qml::SophiaProperties::modemDeamonStartAsked, this, &Sophia::modemDaemonStartAsked);
    connect(properties(), &qml::SophiaProperties::modemDeamonStopAsked, this, &Sophia::modemDaemonStopAsked);
    connect(properties(), &qml::SophiaProperties::stateChanged, this, &Sophia::modemStateChanged);
    connectNetworkLogPages(properties(), this);
    connect(gCoreEnv, &CoreEnvironment::configurationChanged, this, &Sophia::onConfigurationChanged);
    onConfigurationChanged(gCoreEnv->configuration());
}

Sophia::~Sophia() = default;

void Sophia::setActive(bool active)
{
    properties()->setActive(active);
}

void Sophia::setSettings(const Settings& settings)
{
    properties()->setPort(settings.port);
    properties()->setHostname(settings.hostname);
    properties()->setIsTestServerEnabled(settings.testServer);
}

lea::connectivity::Sophia::Settings Sophia::settings() const
{
    const Configuration* configuration = gCoreEnv->configuration();
    const bool testServer = configuration && configuration->generalSettings()->isSophiaTestServerEnabled();
    Settings settings;
    settings.encrypted = 0;
    settings.hostname = testServer ? kTestServer : kProductionServer;
    settings.port = kPort;
    settings.reportStatistics = true;
    settings.reportEvents = false;
    settings.testServer = testServer;
    return settings;
}

lea::connectivity::Sophia::ModemData Sophia::modemData() const
{
    ModemData data;
    data.simIdentifier = properties()->simIdentifier();
    data.firmware = properties()->firmware();
    data.dbm = properties()->dbm();
    data.bitErrorRate = 99;
    return data;
}

void Sophia::setModemData(const ModemData& data)
{
    properties()->setDbm(data.dbm);
    properties()->setFirmware(data.firmware);
    properties()->setSimIdentifier(data.simIdentifier);
    emit properties()->modemDataChanged();
}

lea::connectivity::Sophia::ModemState Sophia::modemState() const
{
    return ModemStateEnumConverter::toExternalOrThrow(properties()->state());
}

void Sophia::setModemState(ModemState state)
{
    properties()->setState(ModemStateEnumConverter::toInternalOrThrow(state));
}

bool Sophia::isConnected() const
{
    return properties()->isConnected();
}

void Sophia::setIsConnected(bool connected)
{
    properties()->setIsConnected(connected);
}

bool Sophia::active() const
{
    return properties()->active();
}

void Sophia::setNetworkLog(const QString& log)
{
    properties()->setNetworkLog(log);
}

void Sophia::onConfigurationChanged(const Configuration* configuration)
{
    if (!configuration)
        return;
    // The server follows the flag, whoever changes it.
    connect(configuration->generalSettings(), &GeneralSettings::isSophiaTestServerEnabledChanged, this,
        [this] { setSettings(settings()); });
}

} // namespace connectivity
} // namespace bridge
