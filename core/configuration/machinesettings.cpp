#include "core/configuration/machinesettings.h"

#include "core/configuration/espressosettings.h"
#include "core/settings/settingsstore.h"

#include <QJsonObject>

namespace {
const QString kCpuFanManagement = QStringLiteral("machine/cpuFanManagement");
const QString kFanAlwaysOn = QStringLiteral("machine/fanAlwaysOn");
const QString kFanDuration = QStringLiteral("machine/fanDuration");
const QString kBoostEspressoWater = QStringLiteral("machine/boostEspressoWater");
const QString kCupSensorSensibility = QStringLiteral("machine/cupSensorSensibility");
} // namespace

MachineSettings::MachineSettings(QObject* parent)
    : QObject(parent)
    , m_espressoSettings(new EspressoSettings(this))
{
}

MachineSettings::~MachineSettings() = default;

void MachineSettings::load(const SettingsStore& store)
{
    m_cpuFanManagementOn = store.value(kCpuFanManagement, m_cpuFanManagementOn).toBool();
    m_fanAlwaysOn = store.value(kFanAlwaysOn, m_fanAlwaysOn).toBool();
    m_fanDuration = store.value(kFanDuration, m_fanDuration).toInt();
    m_boostEspressoWater = store.value(kBoostEspressoWater, m_boostEspressoWater).toBool();
    // The enumeration has a fixed underlying type: a stored value it does not
    // name is kept as it is, for the bridge to refuse.
    m_cupSensorSensibility = static_cast<CupSensorSensibility>(
        store.value(kCupSensorSensibility, int(m_cupSensorSensibility)).toInt());
    m_espressoSettings->load(store);
}

bool MachineSettings::save(SettingsStore& store) const
{
    QJsonObject values { { kCpuFanManagement, m_cpuFanManagementOn }, { kFanAlwaysOn, m_fanAlwaysOn },
        { kFanDuration, m_fanDuration }, { kBoostEspressoWater, m_boostEspressoWater },
        { kCupSensorSensibility, int(m_cupSensorSensibility) } };
    const QJsonObject espresso = m_espressoSettings->values();
    for (auto it = espresso.begin(); it != espresso.end(); ++it)
        values.insert(it.key(), it.value());
    return store.setValues(values);
}
