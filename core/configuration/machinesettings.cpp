#include "core/configuration/machinesettings.h"

#include "core/settings/settingsstore.h"

namespace {
const QString kCpuFanManagement = QStringLiteral("machine/cpuFanManagement");
const QString kFanAlwaysOn = QStringLiteral("machine/fanAlwaysOn");
const QString kFanDuration = QStringLiteral("machine/fanDuration");
const QString kBoostEspressoWater = QStringLiteral("machine/boostEspressoWater");
const QString kCupSensorSensibility = QStringLiteral("machine/cupSensorSensibility");
const QString kEspressoTemperature = QStringLiteral("machine/espressoTemperature");
const QString kEspressoMinTemperature = QStringLiteral("machine/espressoMinTemperature");
const QString kLowTemperatureSolved = QStringLiteral("machine/lowTemperatureFailureSolvedThreshold");
const QString kEspressoMaxDelta = QStringLiteral("machine/espressoMaxDeltaTemperature");
const QString kIdleTimeBeforeMax = QStringLiteral("machine/idleTimeBeforeMaxEspressoTemperature");
const QString kBoostInstantType = QStringLiteral("machine/boostInstantType");
const QString kBoostEspressoType = QStringLiteral("machine/boostEspressoType");

// Near enough to saturated steam between 100 and 140 degrees for a stand-in.
constexpr double kBoilingPoint_C = 100.0;
constexpr double kDegreesPerBar = 25.0;
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

double MachineSettings::pressureToTemperature(double pressure_bar) const
{
    return kBoilingPoint_C + kDegreesPerBar * pressure_bar;
}

double MachineSettings::temperatureToPressure(int temperature_C) const
{
    return (temperature_C - kBoilingPoint_C) / kDegreesPerBar * 10.0;
}

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
    m_espressoTemperature = store.value(kEspressoTemperature, m_espressoTemperature).toInt();
    m_espressoMinTemperature = store.value(kEspressoMinTemperature, m_espressoMinTemperature).toInt();
    m_lowTemperatureFailureSolvedThreshold
        = store.value(kLowTemperatureSolved, m_lowTemperatureFailureSolvedThreshold).toInt();
    m_espressoMaxDeltaTemperature = store.value(kEspressoMaxDelta, m_espressoMaxDeltaTemperature).toInt();
    m_idleTimeBeforeMaxEspressoTemperature
        = store.value(kIdleTimeBeforeMax, m_idleTimeBeforeMaxEspressoTemperature).toInt();
    // The enumerations have an int underlying type: any stored number is a value of them.
    m_boostInstantType
        = static_cast<BoostInstantType>(store.value(kBoostInstantType, m_boostInstantType).toInt());
    m_boostEspressoType
        = static_cast<BoostEspressoType>(store.value(kBoostEspressoType, m_boostEspressoType).toInt());
    m_wasteBucketFull = store.value(kWasteBucketFull, m_wasteBucketFull).toInt();
    m_wasteBucketWarning = store.value(kWasteBucketWarning, m_wasteBucketWarning).toInt();
    setMaintenanceDeliveryCount(store.value(kMaintenanceDeliveryCount, m_maintenanceDeliveryCount).toInt());
    setMaintenanceIntervalDays(store.value(kMaintenanceIntervalDays, m_maintenanceIntervalDays).toInt());
}

QJsonObject MachineSettings::values() const
{
    QJsonObject all = boilerValues();
    all.insert(kCpuFanManagement, m_cpuFanManagementOn);
    all.insert(kFanAlwaysOn, m_fanAlwaysOn);
    all.insert(kFanDuration, m_fanDuration);
    all.insert(kBoostEspressoWater, m_boostEspressoWater);
    all.insert(kCupSensorSensibility, int(m_cupSensorSensibility));
    all.insert(kWasteBucketFull, m_wasteBucketFull);
    all.insert(kWasteBucketWarning, m_wasteBucketWarning);
    all.insert(kMaintenanceDeliveryCount, m_maintenanceDeliveryCount);
    all.insert(kMaintenanceIntervalDays, m_maintenanceIntervalDays);
    return all;
}

QJsonObject MachineSettings::boilerValues() const
{
    return { { kEspressoTemperature, m_espressoTemperature },
        { kEspressoMinTemperature, m_espressoMinTemperature },
        { kLowTemperatureSolved, m_lowTemperatureFailureSolvedThreshold },
        { kEspressoMaxDelta, m_espressoMaxDeltaTemperature },
        { kIdleTimeBeforeMax, m_idleTimeBeforeMaxEspressoTemperature },
        { kBoostInstantType, int(m_boostInstantType) }, { kBoostEspressoType, int(m_boostEspressoType) } };
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
