#include "core/configuration/backupmanager.h"

#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/settings/settingsstore.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kSettings = QStringLiteral("settings");

/// The settings of the backup at `path`; null when it is none.
QJsonValue backupSettings(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QJsonValue::Undefined;
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return QJsonValue::Undefined;
    const QJsonValue settings = document.object().value(kSettings);
    if (!settings.isObject())
        return QJsonValue::Undefined;
    const QJsonObject values = settings.toObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
        // A key of no area, or a removal, is no setting a backup holds.
        if (!it.key().contains(QLatin1Char('/')) || it.value().isNull() || it.value().isUndefined())
            return QJsonValue::Undefined;
    }
    return settings;
}

} // namespace

BackupManager::BackupManager(QObject* parent)
    : QObject(parent)
{
}

BackupManager::~BackupManager() = default;

bool BackupManager::backupImportPossible(const QString& path) const
{
    return backupSettings(path).isObject();
}

void BackupManager::importRequested(const QString& path)
{
    const QJsonValue settings = backupSettings(path);
    ConfigurationGroup* group = gCoreEnv ? gCoreEnv->configurationGroup() : nullptr;
    if (!settings.isObject() || !group) {
        emit operationCompleted(false, QStringLiteral("No backup to restore: %1").arg(path));
        return;
    }
    if (!group->settingsStore()->setValues(settings.toObject())) {
        emit operationCompleted(false, QStringLiteral("The settings could not be restored"));
        return;
    }
    gCoreEnv->loadConfiguration();
    emit operationCompleted(true, QString());
}
