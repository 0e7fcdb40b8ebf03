#include "bridge/qml/amicloproperties.h"

#include "bridge/qml/propertysetter.h"

namespace bridge {
namespace qml {

AmiCloProperties* AmiCloProperties::instance()
{
    static AmiCloProperties* const instance = new AmiCloProperties;
    return instance;
}

void AmiCloProperties::setActive(bool active)
{
    setAndNotify(this, m_active, active, &AmiCloProperties::activeChanged);
}

void AmiCloProperties::setNetworkAvailable(bool available)
{
    setAndNotify(this, m_networkAvailable, available, &AmiCloProperties::networkAvailableChanged);
}

void AmiCloProperties::setCreditsLastUpdate(const QDateTime& lastUpdate)
{
    setAndNotify(this, m_creditsLastUpdate, lastUpdate, &AmiCloProperties::creditsLastUpdateChanged);
}

void AmiCloProperties::setCreditsProjection(quint64 projection)
{
    setAndNotify(this, m_creditsProjection, projection, &AmiCloProperties::creditsProjectionChanged);
}

void AmiCloProperties::setCreditsReal(quint64 real)
{
    setAndNotify(this, m_creditsReal, real, &AmiCloProperties::creditsRealChanged);
}

void AmiCloProperties::setCreditsExtensionActive(bool active)
{
    setAndNotify(this, m_creditsExtensionActive, active, &AmiCloProperties::creditsExtensionActiveChanged);
}

void AmiCloProperties::setCreditsCountDisabled(bool disabled)
{
    setAndNotify(this, m_creditsCountDisabled, disabled, &AmiCloProperties::creditsCountDisabledChanged);
}

void AmiCloProperties::setLibraryVersion(const QString& version)
{
    setAndNotify(this, m_libraryVersion, version, &AmiCloProperties::libraryVersionChanged);
}

void AmiCloProperties::setProfileImageCredits(quint64 credits)
{
    setAndNotify(this, m_profileImageCredits, credits, &AmiCloProperties::profileImageCreditsChanged);
}

void AmiCloProperties::setProfileMonthlyPackage(quint64 package)
{
    setAndNotify(this, m_profileMonthlyPackage, package, &AmiCloProperties::profileMonthlyPackageChanged);
}

void AmiCloProperties::setProfileName(const QString& name)
{
    setAndNotify(this, m_profileName, name, &AmiCloProperties::profileNameChanged);
}

void AmiCloProperties::setProfileOctetsPerCredit(quint64 octets)
{
    setAndNotify(this, m_profileOctetsPerCredit, octets, &AmiCloProperties::profileOctetsPerCreditChanged);
}

void AmiCloProperties::setProfileUuid(const QString& uuid)
{
    setAndNotify(this, m_profileUuid, uuid, &AmiCloProperties::profileUuidChanged);
}

void AmiCloProperties::setProfileVideoCredits(quint64 credits)
{
    setAndNotify(this, m_profileVideoCredits, credits, &AmiCloProperties::profileVideoCreditsChanged);
}

void AmiCloProperties::setProtocolVersion(const QString& version)
{
    setAndNotify(this, m_protocolVersion, version, &AmiCloProperties::protocolVersionChanged);
}

void AmiCloProperties::setSoftwareAvailable(bool available)
{
    setAndNotify(this, m_softwareAvailable, available, &AmiCloProperties::softwareAvailableChanged);
}

void AmiCloProperties::setNetworkLog(const QString& log)
{
    setAndNotify(this, m_networkLog, log, &AmiCloProperties::networkLogChanged);
}

void AmiCloProperties::setConfigGroupPending(bool pending)
{
    setAndNotify(this, m_configGroupPending, pending, &AmiCloProperties::configGroupPendingChanged);
}

void AmiCloProperties::setUpdateAvailable(const QString& name, bool available)
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
