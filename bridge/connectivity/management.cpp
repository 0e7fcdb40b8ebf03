#include "bridge/connectivity/management.h"

#include "core/configuration/configuration.h"
#include "core/configuration/newdigitalsettings.h"
#include "core/configuration/televendsettings.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"
#include "core/tools/envvars.h"

namespace bridge {
namespace connectivity {

namespace {

/// The controller board of the Maestro machines.
constexpr int kMaestroHardwareKind = 5;

/// Stores `value` in `flag` and emits `changed` with it only when they differ.
void setFlag(Management* management, bool& flag, bool value, void (Management::*changed)(bool))
{
    if (flag == value)
        return;
    flag = value;
    emit(management->*changed)(value);
}

} // namespace

Management::Management(QObject* parent)
    : lea::connectivity::Management(parent)
{
    connect(gCoreEnv, &CoreEnvironment::configurationChanged, this, &Management::onConfigurationChanged);
    onConfigurationChanged(gCoreEnv->configuration());
}

Management::~Management() = default;

bool Management::remoteSelectorMdbEnabled() const
{
    return m_cashless1RemoteSelection || m_cashless2RemoteSelection;
}

void Management::setAmiCloEnabled(bool enabled)
{
    setFlag(this, m_amicloEnabled, enabled, &Management::amicloEnabledChanged);
}

void Management::setPaxioEnabled(bool enabled)
{
    setFlag(this, m_paxioEnabled, enabled, &Management::paxioEnabledChanged);
}

void Management::setMaestroEnabled(bool enabled)
{
    setFlag(this, m_maestroEnabled, enabled, &Management::maestroEnabledChanged);
}

void Management::setErsprotocolEnabled(bool enabled)
{
    setFlag(this, m_ersprotocolEnabled, enabled, &Management::ersprotocolEnabledChanged);
}

void Management::setTelevendEnabled(bool enabled)
{
    setFlag(this, m_televendEnabled, enabled, &Management::televendEnabledChanged);
}

void Management::setNewDigitalEnabled(bool enabled)
{
    setFlag(this, m_newDigitalEnabled, enabled, &Management::newDigitalEnabledChanged);
}

void Management::setCashless1RemSelEnabled(bool enabled)
{
    if (m_cashless1RemoteSelection == enabled)
        return;
    m_cashless1RemoteSelection = enabled;
    updateRemoteSelectorMdbEnabled();
}

void Management::setCashless2RemSelEnabled(bool enabled)
{
    if (m_cashless2RemoteSelection == enabled)
        return;
    m_cashless2RemoteSelection = enabled;
    updateRemoteSelectorMdbEnabled();
}

void Management::updateRemoteSelectorMdbEnabled()
{
    emit remoteSelectorEnabledChanged(remoteSelectorMdbEnabled());
}

void Management::updateERSProtocolEnabled()
{
    const bool qrCodeSelection = gCoreEnv->configuration() && gCoreEnv->machine()->isSelectionQrCodeActive();
    setErsprotocolEnabled(qrCodeSelection || EnvVars::isSet(EnvVars::Macas));
}

void Management::onConfigurationChanged(const Configuration* configuration)
{
    if (configuration)
        followConfiguration(*configuration);
    else
        dropConfiguration();
}

void Management::followConfiguration(const Configuration& configuration)
{
    // Unique connections: a configuration announced again must not double them.
    const GeneralSettings* general = configuration.generalSettings();
    connect(general, &GeneralSettings::enableAmiCloChanged, this, &Management::setAmiCloEnabled,
        Qt::UniqueConnection);
    setAmiCloEnabled(general->enableAmiClo());

    const PaymentSettings* payment = configuration.paymentSettings();
    connect(payment, &PaymentSettings::paxioEnabledChanged, this, &Management::setPaxioEnabled,
        Qt::UniqueConnection);
    // Counting the remote selector in here keeps a reload of unchanged settings
    // from switching Paxio off until the selector switches it on again.
    setPaxioEnabled(payment->paxioEnabled() || payment->cashless1RemoteSelection()
        || payment->cashless2RemoteSelection());
    connect(payment, &PaymentSettings::cashless1RemoteSelectionChanged, this,
        &Management::setCashless1RemSelEnabled, Qt::UniqueConnection);
    connect(payment, &PaymentSettings::cashless2RemoteSelectionChanged, this,
        &Management::setCashless2RemSelEnabled, Qt::UniqueConnection);
    // The remote selector drives Paxio.
    connect(this, &Management::remoteSelectorEnabledChanged, this, &Management::setPaxioEnabled,
        Qt::UniqueConnection);
    setCashless1RemSelEnabled(payment->cashless1RemoteSelection());
    setCashless2RemSelEnabled(payment->cashless2RemoteSelection());

    connect(gCoreEnv->machine(), &Machine::isSelectionQrCodeActiveChanged, this,
        &Management::updateERSProtocolEnabled, Qt::UniqueConnection);
    updateERSProtocolEnabled();

    const TelevendSettings* televend = configuration.televendSettings();
    connect(televend, &TelevendSettings::enabledChanged, this, &Management::setTelevendEnabled,
        Qt::UniqueConnection);
    setTelevendEnabled(televend->enabled());

    const NewDigitalSettings* newDigital = configuration.newDigitalSettings();
    connect(newDigital, &NewDigitalSettings::enabledChanged, this, &Management::setNewDigitalEnabled,
        Qt::UniqueConnection);
    setNewDigitalEnabled(newDigital->enabled());

    // A loaded configuration never switches Maestro off.
    if (gCoreEnv->hardwareKind() == kMaestroHardwareKind)
        setMaestroEnabled(true);
}

void Management::dropConfiguration()
{
    setAmiCloEnabled(false);
    setPaxioEnabled(false);
    setTelevendEnabled(false);
    setCashless1RemSelEnabled(false);
    setCashless2RemSelEnabled(false);
    setNewDigitalEnabled(false);
    if (gCoreEnv->hardwareKind() == kMaestroHardwareKind)
        setMaestroEnabled(false);
    updateERSProtocolEnabled();
}

} // namespace connectivity
} // namespace bridge
