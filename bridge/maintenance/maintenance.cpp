#include "bridge/maintenance/maintenance.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/gui/guienvironment.h"
#include "core/gui/maintenance.h"
#include "core/log/logformatter.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"

#include <limits>

namespace bridge {
namespace maintenance {

namespace {

::Maintenance& guiMaintenance()
{
    return *gGuiEnv->maintenance();
}

/// The schedule's values as the interface keeps them: the low 16 bits.
uint16_t low16(int value)
{
    return static_cast<uint16_t>(static_cast<unsigned int>(value) & 0xFFFFu);
}

} // namespace

Maintenance::Maintenance(QObject* parent)
    : lea::maintenance::Maintenance(parent)
{
    connect(gCoreEnv, &CoreEnvironment::configurationChanged, this, &Maintenance::onConfigurationChanged);
    onConfigurationChanged(gCoreEnv->configuration());
}

Maintenance::~Maintenance() = default;

lea::maintenance::Maintenance::Settings Maintenance::settings() const
{
    const ::Maintenance& maintenance = guiMaintenance();
    Settings settings;
    settings.maintenanceEnabled = maintenance.isMaintenanceEnabled();
    settings.days = low16(maintenance.maintenanceDays());
    settings.deliveries = low16(maintenance.maintenanceDeliveries());
    return settings;
}

void Maintenance::setSettings(const Settings& settings)
{
    ::Maintenance& maintenance = guiMaintenance();
    const bool enabled = maintenance.isMaintenanceEnabled();
    const int days = maintenance.maintenanceDays();
    const int deliveries = maintenance.maintenanceDeliveries();
    maintenance.setMaintenanceEnabled(settings.maintenanceEnabled);
    maintenance.setMaintenanceDays(settings.days);
    maintenance.setMaintenanceDeliveries(settings.deliveries);
    if (utils::FailureLog(Q_FUNC_INFO, Log::Database)
            .stored(maintenance.save(), "Failed to save maintenance settings"))
        return;
    maintenance.setMaintenanceEnabled(enabled);
    maintenance.setMaintenanceDays(days);
    maintenance.setMaintenanceDeliveries(deliveries);
}

int32_t Maintenance::maintenanceCount() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return 0;
    const Machine* machine = gCoreEnv->machine();
    const MachineSettings* machineSettings = configuration->machineSettings();
    if (!machine || !machineSettings)
        return 0;
    // Both are 32-bit: the difference may not be.
    const qint64 left = qint64(machineSettings->maintenanceDeliveryCount()) - machine->deliveryCount();
    return static_cast<int32_t>(
        qBound<qint64>(std::numeric_limits<int32_t>::min(), left, std::numeric_limits<int32_t>::max()));
}

int32_t Maintenance::maintenanceTime() const
{
    const Configuration* configuration = gCoreEnv->configuration();
    const Machine* machine = gCoreEnv->machine();
    if (!configuration || !machine || !configuration->machineSettings())
        return 0;
    const QDateTime due = machine->lastMaintenance().toLocalTime().addDays(
        configuration->machineSettings()->maintenanceIntervalDays());
    const qint64 days = gCoreEnv->clock()->now().toLocalTime().daysTo(due);
    return static_cast<int32_t>(
        qBound<qint64>(std::numeric_limits<int32_t>::min(), days, std::numeric_limits<int32_t>::max()));
}

void Maintenance::onConfigurationChanged(const Configuration* configuration)
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO))
        return;
    // The machine outlives every configuration: one relay is enough.
    connect(gCoreEnv->machine(), &Machine::erogationsCountChanged, this, &Maintenance::erogationsCountChanged,
        Qt::UniqueConnection);
    if (configuration)
        connect(configuration->machineSettings(), &MachineSettings::maintenanceSettingsChanged, this,
            &Maintenance::maintenanceSettingsChanged, Qt::UniqueConnection);
}

} // namespace maintenance
} // namespace bridge
