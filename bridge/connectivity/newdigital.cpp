#include "bridge/connectivity/newdigital.h"

#include "bridge/connectivity/downloadimports.h"
#include "bridge/connectivity/telemetryrelays.h"
#include "bridge/qml/newdigitalproperties.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/configuration/newdigitalsettings.h"

namespace bridge {
namespace connectivity {

namespace {

qml::NewDigitalProperties* properties()
{
    return qml::NewDigitalProperties::instance();
}

/// The settings of the loaded configuration, guarded, for `signature`.
NewDigitalSettings* guardedSettings(const char* signature)
{
    const Configuration* configuration = utils::loadedConfiguration(signature);
    return configuration ? configuration->newDigitalSettings() : nullptr;
}

/// The settings of the loaded configuration, for handlers that run without one too.
NewDigitalSettings* loadedSettings()
{
    const Configuration* configuration = gCoreEnv->configuration();
    return configuration ? configuration->newDigitalSettings() : nullptr;
}

} // namespace

NewDigital::NewDigital(QObject* parent)
    : lea::connectivity::NewDigital(parent)
    , m_imports(new DownloadImports(this))
{
    connectRelays(this, properties(), m_imports);
    connect(gCoreEnv, &CoreEnvironment::configurationChanged, this, &NewDigital::onConfigurationChanged);
    onConfigurationChanged(gCoreEnv->configuration());
}

NewDigital::~NewDigital() = default;

bool NewDigital::enabled() const
{
    const NewDigitalSettings* settings = guardedSettings(Q_FUNC_INFO);
    return settings && settings->enabled();
}

QString NewDigital::deviceId() const
{
    const NewDigitalSettings* settings = guardedSettings(Q_FUNC_INFO);
    return settings ? settings->deviceId() : QString();
}

void NewDigital::setDeviceId(const QString& deviceId)
{
    if (NewDigitalSettings* settings = guardedSettings(Q_FUNC_INFO))
        utils::FailureLog(Q_FUNC_INFO, Log::Database)
            .stored(settings->setDeviceId(deviceId), "Failed to save the device id");
}

QString NewDigital::credentialsSecret() const
{
    const NewDigitalSettings* settings = guardedSettings(Q_FUNC_INFO);
    return settings ? settings->credentialsSecret() : QString();
}

void NewDigital::setCredentialsSecret(const QString& secret)
{
    if (NewDigitalSettings* settings = guardedSettings(Q_FUNC_INFO))
        utils::FailureLog(Q_FUNC_INFO, Log::Database)
            .stored(settings->setCredentialsSecret(secret), "Failed to save the credentials secret");
}

bool NewDigital::verboseLogsEnabled() const
{
    const NewDigitalSettings* settings = guardedSettings(Q_FUNC_INFO);
    return settings && settings->verboseLogsEnabled();
}

void NewDigital::setVerboseLogsEnabled(bool enabled)
{
    if (NewDigitalSettings* settings = guardedSettings(Q_FUNC_INFO))
        utils::FailureLog(Q_FUNC_INFO, Log::Database)
            .stored(settings->setVerboseLogsEnabled(enabled), "Failed to save the verbose logs flag");
}

void NewDigital::networkLogChanged(const QString& log)
{
    properties()->setNetworkLog(log);
}

void NewDigital::cloudConnectionStatusChanged(CloudConnectionStatus status)
{
    properties()->setCloudConnectionStatus(static_cast<int>(status));
}

void NewDigital::applicationUpdateAvailableChanged(bool available)
{
    properties()->setUpdateAvailable(properties()->applicationUpdateName(), available);
}

void NewDigital::applicationUpdateFinished(bool succeeded, QString message)
{
    emit properties()->applicationUpdateFinished(succeeded, message);
}

void NewDigital::configGroupAvailableChanged(bool available)
{
    properties()->setUpdateAvailable(properties()->configGroupName(), available);
}

void NewDigital::configGroupUncompressFinished(bool succeeded, QString message)
{
    emit properties()->configGroupUncompressFinished(succeeded, message);
}

void NewDigital::configGroupImportFinished(bool succeeded)
{
    properties()->setConfigGroupPending(succeeded);
    emit properties()->configGroupImportFinished(succeeded);
}

void NewDigital::importConfigurationGroup(const QString& path)
{
    m_imports->importConfigurationGroup(path);
}

void NewDigital::saveConfigurationGroupConnectivityId(const QString& id)
{
    properties()->setConfigGroupPending(false);
    DownloadImports::saveConnectivityId(id, Q_FUNC_INFO);
}

void NewDigital::completeBackupAvailableChanged(bool available)
{
    properties()->setUpdateAvailable(properties()->completeBackupName(), available);
}

void NewDigital::completeBackupUncompressFinished(bool succeeded, QString message)
{
    emit properties()->completeBackupUncompressFinished(succeeded, message);
}

void NewDigital::completeBackupImportFinished(bool succeeded, const QString& message)
{
    m_imports->finishBackup(succeeded, message, Q_FUNC_INFO);
}

void NewDigital::importBackup(const QString& path)
{
    m_imports->importBackup(path, Q_FUNC_INFO);
}

void NewDigital::uiUpdateAvailableChanged(bool available)
{
    properties()->setUpdateAvailable(properties()->uiUpdateName(), available);
}

void NewDigital::uiUpdateUncompressFinished(bool succeeded, QString message)
{
    emit properties()->uiUpdateUncompressFinished(succeeded, message);
}

void NewDigital::onConfigurationChanged(const Configuration* configuration)
{
    if (configuration) {
        const NewDigitalSettings* settings = configuration->newDigitalSettings();
        connect(settings, &NewDigitalSettings::enabledChanged, this, &NewDigital::enabledHandler,
            Qt::UniqueConnection);
        connect(settings, &NewDigitalSettings::deviceIdChanged, this, &NewDigital::deviceIdHandler,
            Qt::UniqueConnection);
        connect(settings, &NewDigitalSettings::credentialsSecretChanged, this,
            &NewDigital::credentialsSecretHandler, Qt::UniqueConnection);
        connect(settings, &NewDigitalSettings::verboseLogsEnabledChanged, this,
            &NewDigital::verboseLogsHandler, Qt::UniqueConnection);
        connect(settings, &NewDigitalSettings::credentialsSecretImported, this,
            &NewDigital::credentialsSecretImported, Qt::UniqueConnection);
    }
    enabledHandler();
    deviceIdHandler();
    credentialsSecretHandler();
    // The verbose flag too, so that the property shows the loaded configuration's.
    verboseLogsHandler();
}

void NewDigital::enabledHandler()
{
    const NewDigitalSettings* settings = loadedSettings();
    const bool value = settings && settings->enabled();
    emit enabledChanged(value);
    properties()->setEnabled(value);
}

void NewDigital::deviceIdHandler()
{
    const NewDigitalSettings* settings = loadedSettings();
    const QString value = settings ? settings->deviceId() : QString();
    emit deviceIdChanged(value);
    properties()->setDeviceId(value);
}

void NewDigital::credentialsSecretHandler()
{
    Configuration* configuration = gCoreEnv->configuration();
    if (!configuration)
        return;
    // An imported secret is only in memory until saved.
    utils::FailureLog(Q_FUNC_INFO, Log::Database)
        .stored(configuration->saveNewDigitalSettings(), "Failed to save the NewDigital settings");
    emit credentialsSecretChanged(configuration->newDigitalSettings()->credentialsSecret());
}

void NewDigital::verboseLogsHandler()
{
    const NewDigitalSettings* settings = loadedSettings();
    const bool value = settings && settings->verboseLogsEnabled();
    emit verboseLogsEnabledChanged(value);
    properties()->setVerboseLogsEnabled(value);
}

} // namespace connectivity
} // namespace bridge
