#include "bridge/connectivity/downloadimports.h"

#include "core/configuration/backupmanager.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationmanager.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "core/database/vqsqlquery.h"
#include "core/log/logformatter.h"

#include <QTimer>

namespace bridge {
namespace connectivity {

DownloadImports::DownloadImports(QObject* parent)
    : QObject(parent)
{
}

DownloadImports::~DownloadImports() = default;

void DownloadImports::importConfigurationGroup(const QString& path)
{
    ConfigurationManager* manager = gCoreEnv ? gCoreEnv->configurationManager() : nullptr;
    if (!manager)
        return;
    if (!manager->isConfigurationGroupImportable(path)) {
        gCoreEnv->showMessage(manager->lastMessage());
        emit configurationGroupNotUpdated();
        return;
    }
    const bool sameNamePresent = manager->isGroupFileWithSameNamePresent(path);
    gCoreEnv->showMessage(sameNamePresent
            ? QStringLiteral("This configuration group is already imported, will replace it.")
            : QStringLiteral("Import of configuration group started"));
    // This object as the context: an accessor gone meanwhile imports nothing.
    QTimer::singleShot(groupImportDelayMs, this, [this, path, sameNamePresent] {
        ConfigurationManager* current = gCoreEnv ? gCoreEnv->configurationManager() : nullptr;
        if (!current)
            return;
        const QMetaObject::Connection notUpdated
            = connect(current, &ConfigurationManager::configurationGroupNotUpdated, this,
                &DownloadImports::configurationGroupNotUpdated);
        const bool imported = current->importConfigurationGroup(path, sameNamePresent, QString());
        disconnect(notUpdated);
        emit groupImported(imported);
    });
}

void DownloadImports::importBackup(const QString& path, const char* signature)
{
    BackupManager* manager = gCoreEnv ? gCoreEnv->backupManager() : nullptr;
    if (!manager)
        return;
    if (!manager->backupImportPossible(path)) {
        LogFormatter(LogLevel::Debug).log(Log::Global)
            << signature << ": Complete backup import not possible";
        emit completeBackupNotUpdated();
        return;
    }
    // Once per import: a second import must not hear the answer twice.
    disconnect(m_backup);
    m_backup = connect(manager, &BackupManager::operationCompleted, this, &DownloadImports::backupCompleted);
    manager->importRequested(path);
}

void DownloadImports::finishBackup(bool succeeded, const QString& message, const char* signature)
{
    disconnect(m_backup);
    if (succeeded)
        return;
    LogFormatter(LogLevel::Debug).log(Log::Global)
        << signature << ": Complete backup import failed : " << message;
    emit completeBackupNotUpdated();
}

void DownloadImports::saveConnectivityId(const QString& id, const char* signature)
{
    ConfigurationGroup* group = gCoreEnv ? gCoreEnv->configurationGroup() : nullptr;
    if (!group)
        return;
    VqSqlQuery query(group->database()->database(), signature);
    if (!AbstractDatabase::prepareUPDATEQuery(query, QStringLiteral("ConfigurationGroup_Infos"),
            { { QStringLiteral("connectivity_id"), id } }, {}, AbstractDatabase::AllEqual)
        || !query.exec()) {
        LogFormatter(LogLevel::Error).log(Log::Database)
            << signature << ": Failed to save configuration group connectivity id";
        // The group keeps the id the database holds.
        return;
    }
    group->setConnectivityId(id);
}

} // namespace connectivity
} // namespace bridge
