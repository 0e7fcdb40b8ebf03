#include "bridge/connectivity/amiclo.h"

#include "bridge/connectivity/downloadimports.h"
#include "bridge/connectivity/telemetryrelays.h"
#include "bridge/qml/amicloproperties.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"

namespace bridge {
namespace connectivity {

namespace {
qml::AmiCloProperties* properties()
{
    return qml::AmiCloProperties::instance();
}
} // namespace

AmiClo::AmiClo(QObject* parent)
    : lea::connectivity::AmiClo(parent)
    , m_imports(new DownloadImports(this))
{
    connectRelays(this, properties(), m_imports);
    if (gGuiEnv)
        connect(gGuiEnv->guiManager(), &GuiManager::taskRunnerActivated, this,
            &AmiClo::beverageConfigurationActivationRunning);
}

AmiClo::~AmiClo() = default;

void AmiClo::activeChanged(bool active)
{
    properties()->setActive(active);
}

void AmiClo::networkAvailableChanged(bool available)
{
    properties()->setNetworkAvailable(available);
}

void AmiClo::profileChanged(const nonstd::optional<Profile>& profile)
{
    if (!profile) {
        properties()->setProfileUuid(QString());
        return;
    }
    properties()->setProfileUuid(profile->uuid);
    properties()->setProfileName(profile->name);
    properties()->setProfileImageCredits(profile->imageCredits);
    properties()->setProfileVideoCredits(profile->videoCredits);
    properties()->setProfileMonthlyPackage(profile->monthlyPackage);
    properties()->setProfileOctetsPerCredit(profile->octetsPerCredit);
}

void AmiClo::creditsChanged(const Credits& credits)
{
    properties()->setCreditsReal(credits.real);
    properties()->setCreditsProjection(credits.projection);
    properties()->setCreditsLastUpdate(credits.lastUpdate);
    properties()->setCreditsExtensionActive(credits.extensionActive);
    properties()->setCreditsCountDisabled(credits.countDisabled);
}

void AmiClo::libraryVersionChanged(const QString& version)
{
    properties()->setLibraryVersion(version);
}

void AmiClo::protocolVersionChanged(const QString& version)
{
    properties()->setProtocolVersion(version);
}

void AmiClo::applicationUpdateAvailableChanged(bool available)
{
    properties()->setUpdateAvailable(properties()->applicationUpdateName(), available);
}

void AmiClo::applicationUpdateFinished(bool succeeded, QString message)
{
    emit properties()->applicationUpdateFinished(succeeded, message);
}

void AmiClo::configGroupAvailableChanged(bool available)
{
    properties()->setUpdateAvailable(properties()->configGroupName(), available);
}

void AmiClo::configGroupUncompressFinished(bool succeeded, QString message)
{
    emit properties()->configGroupUncompressFinished(succeeded, message);
}

void AmiClo::configGroupImportFinished(bool succeeded)
{
    properties()->setConfigGroupPending(succeeded);
    emit properties()->configGroupImportFinished(succeeded);
}

void AmiClo::importConfigurationGroup(const QString& path)
{
    m_imports->importConfigurationGroup(path);
}

void AmiClo::saveConfigurationGroupConnectivityId(const QString& id)
{
    properties()->setConfigGroupPending(false);
    DownloadImports::saveConnectivityId(id, Q_FUNC_INFO);
}

void AmiClo::completeBackupAvailableChanged(bool available)
{
    properties()->setUpdateAvailable(properties()->completeBackupName(), available);
}

void AmiClo::completeBackupUncompressFinished(bool succeeded, QString message)
{
    emit properties()->completeBackupUncompressFinished(succeeded, message);
}

void AmiClo::completeBackupImportFinished(bool succeeded, const QString& message)
{
    m_imports->finishBackup(succeeded, message, Q_FUNC_INFO);
}

void AmiClo::importBackup(const QString& path)
{
    m_imports->importBackup(path, Q_FUNC_INFO);
}

void AmiClo::uiUpdateAvailableChanged(bool available)
{
    properties()->setUpdateAvailable(properties()->uiUpdateName(), available);
}

void AmiClo::uiUpdateUncompressFinished(bool succeeded, QString message)
{
    emit properties()->uiUpdateUncompressFinished(succeeded, message);
}

void AmiClo::networkLogChanged(const QString& log)
{
    properties()->setNetworkLog(log);
}

} // namespace connectivity
} // namespace bridge
