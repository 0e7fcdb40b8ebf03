#include "core/configuration/machinesettings.h"

#include "core/settings/settingsstore.h"

#include <QJsonObject>

namespace {
const QString kCpuFanManagement = QStringLiteral("machine/cpuFanManagement");
const QString kFanAlwaysOn = QStringLiteral("machine/fanAlwaysOn");
const QString kFanDuration = QStringLiteral("machine/fanDuration");
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
}

bool MachineSettings::save(SettingsStore& store) const
{
    return store.setValues(QJsonObject { { kCpuFanManagement, m_cpuFanManagementOn },
        { kFanAlwaysOn, m_fanAlwaysOn }, { kFanDuration, m_fanDuration } });
}
