#include "core/gui/maintenance.h"

#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/gui/timecleaning.h"
#include "core/settings/settingsstore.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {
const QString kAutomaticCleaning = QStringLiteral("maintenance/automaticCleaning");
const QString kTimesCleaning = QStringLiteral("maintenance/timesCleaning");
const QString kEnabled = QStringLiteral("maintenance/enabled");
const QString kDays = QStringLiteral("maintenance/days");
const QString kDeliveries = QStringLiteral("maintenance/deliveries");

const QString kModule = QStringLiteral("module");
const QString kDay = QStringLiteral("day");
const QString kHour = QStringLiteral("hour");
const QString kMinute = QStringLiteral("minute");
} // namespace

Maintenance::Maintenance(QObject* parent)
    : QObject(parent)
{
}

Maintenance::~Maintenance() = default;

void Maintenance::clearTimesCleaning()
{
    qDeleteAll(m_timesCleaning);
    m_timesCleaning.clear();
}

void Maintenance::addTimeCleaning(TimeCleaning* timeCleaning)
{
    if (!timeCleaning)
        return;
    timeCleaning->setParent(this);
    m_timesCleaning << timeCleaning;
}

SettingsStore* Maintenance::store()
{
    const ConfigurationGroup* group = gCoreEnv ? gCoreEnv->configurationGroup() : nullptr;
    return group ? group->settingsStore() : nullptr;
}

void Maintenance::load()
{
    clearTimesCleaning();
    const SettingsStore* settings = store();
    if (!settings)
        return;
    m_automaticCleaning = settings->value(kAutomaticCleaning, false).toBool();
    const QJsonArray entries = settings->value(kTimesCleaning).toArray();
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        if (!entry.contains(kModule) || !entry.contains(kDay) || !entry.contains(kHour)
            || !entry.contains(kMinute))
            continue;
        auto* timeCleaning = new TimeCleaning(this);
        // Both enumerations have a fixed underlying type: any stored number is a value.
        timeCleaning->setModule(CleaningSettings::RinsingType(entry.value(kModule).toInt()));
        timeCleaning->setDay(TimeCleaning::RinsingDays(entry.value(kDay).toInt()));
        timeCleaning->setHour(entry.value(kHour).toInt());
        timeCleaning->setMinute(entry.value(kMinute).toInt());
        m_timesCleaning << timeCleaning;
    }
    m_maintenanceEnabled = settings->value(kEnabled, false).toBool();
    m_maintenanceDays = settings->value(kDays, 0).toInt();
    m_maintenanceDeliveries = settings->value(kDeliveries, 0).toInt();
}

bool Maintenance::save()
{
    SettingsStore* settings = store();
    if (!settings)
        return false;
    QJsonArray entries;
    for (const TimeCleaning* timeCleaning : qAsConst(m_timesCleaning)) {
        entries.append(
            QJsonObject { { kModule, int(timeCleaning->module()) }, { kDay, int(timeCleaning->day()) },
                { kHour, timeCleaning->hour() }, { kMinute, timeCleaning->minute() } });
    }
    const bool saved = settings->setValues(QJsonObject { { kAutomaticCleaning, m_automaticCleaning },
        { kTimesCleaning, entries }, { kEnabled, m_maintenanceEnabled }, { kDays, m_maintenanceDays },
        { kDeliveries, m_maintenanceDeliveries } });
    if (saved && gCoreEnv && gCoreEnv->configuration())
        gCoreEnv->configuration()->cleaningSettings()->announceAutomaticCleaningSaved();
    return saved;
}
