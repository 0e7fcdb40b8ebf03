#include "core/gui/maintenance.h"

#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/settings/settingsstore.h"

#include <QJsonObject>

namespace {
const QString kEnabled = QStringLiteral("maintenance/enabled");
const QString kDays = QStringLiteral("maintenance/days");
const QString kDeliveries = QStringLiteral("maintenance/deliveries");
} // namespace

Maintenance::Maintenance(QObject* parent)
    : QObject(parent)
{
}

Maintenance::~Maintenance() = default;

SettingsStore* Maintenance::store()
{
    const ConfigurationGroup* group = gCoreEnv ? gCoreEnv->configurationGroup() : nullptr;
    return group ? group->settingsStore() : nullptr;
}

void Maintenance::load()
{
    const SettingsStore* settings = store();
    if (!settings)
        return;
    m_maintenanceEnabled = settings->value(kEnabled, m_maintenanceEnabled).toBool();
    m_maintenanceDays = settings->value(kDays, m_maintenanceDays).toInt();
    m_maintenanceDeliveries = settings->value(kDeliveries, m_maintenanceDeliveries).toInt();
}

bool Maintenance::save()
{
    SettingsStore* settings = store();
    return settings
        && settings->setValues(QJsonObject { { kEnabled, m_maintenanceEnabled }, { kDays, m_maintenanceDays },
            { kDeliveries, m_maintenanceDeliveries } });
}
