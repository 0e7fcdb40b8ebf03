#include "core/configuration/machinesettings.h"

#include "core/settings/settingsstore.h"

#include <QJsonObject>

namespace {
const QString kCpuFanManagement = QStringLiteral("machine/cpuFanManagement");
const QString kFanAlwaysOn = QStringLiteral("machine/fanAlwaysOn");
const QString kFanDuration = QStringLiteral("machine/fanDuration");
const QString kWasteBucketFull = QStringLiteral("machine/wasteBucketFull");
const QString kWasteBucketWarning = QStringLiteral("machine/wasteBucketWarning");
const QString kMaintenanceDeliveryCount = QStringLiteral("machine/maintenanceDeliveryCount");
const QString kMaintenanceIntervalDays = QStringLiteral("machine/maintenanceIntervalDays");
} // namespace

MachineSettings::MachineSettings(QObject* parent)
    : QObject(parent)
{
}

MachineSettings::~MachineSettings() = default;

void MachineSettings::load(const SettingsStore& store)
{
    m_cpuFanManagementOn = store.value(kCpuFanManagement, m_cpuFanManagementOn).toBool();
    m_fanAlwaysOn = store.value(kFanAlwaysOn, m_fanAlwaysOn).toBool();
    m_fanDuration = store.value(kFanDuration, m_fanDuration).toInt();
    m_wasteBucketFull = store.value(kWasteBucketFull, m_wasteBucketFull).toInt();
    m_wasteBucketWarning = store.value(kWasteBucketWarning, m_wasteBucketWarning).toInt();
    setMaintenanceDeliveryCount(store.value(kMaintenanceDeliveryCount, m_maintenanceDeliveryCount).toInt());
    setMaintenanceIntervalDays(store.value(kMaintenanceIntervalDays, m_maintenanceIntervalDays).toInt());
}

bool MachineSettings::save(SettingsStore& store) const
{
    return store.setValues(QJsonObject { { kCpuFanManagement, m_cpuFanManagementOn },
        { kFanAlwaysOn, m_fanAlwaysOn }, { kFanDuration, m_fanDuration },
        { kWasteBucketFull, m_wasteBucketFull }, { kWasteBucketWarning, m_wasteBucketWarning },
        { kMaintenanceDeliveryCount, m_maintenanceDeliveryCount },
        { kMaintenanceIntervalDays, m_maintenanceIntervalDays } });
}

void MachineSettings::setMaintenanceDeliveryCount(int count)
{
    if (m_maintenanceDeliveryCount == count)
        return;
    m_maintenanceDeliveryCount = count;
    emit maintenanceSettingsChanged();
}

void MachineSettings::setMaintenanceIntervalDays(int days)
{
    if (m_maintenanceIntervalDays == days)
        return;
    m_maintenanceIntervalDays = days;
    emit maintenanceSettingsChanged();
}
