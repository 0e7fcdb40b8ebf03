#include "bridge/hardware/fan.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"

#include <limits>

namespace bridge {
namespace hardware {

Fan::Fan(QObject* parent)
    : lea::hardware::Fan(parent)
{
}

Fan::~Fan() = default;

lea::hardware::Fan::Settings Fan::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const MachineSettings& machine = *configuration->machineSettings();
    return { machine.isCPUFanManagementOn(), machine.fanAlwaysOn(), machine.fanDuration() };
}

void Fan::setSettings(const Settings& settings)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    // The machine keeps 32 bits; a longer duration would be stored as another one.
    if (settings.fanDuration < std::numeric_limits<int>::min()
        || settings.fanDuration > std::numeric_limits<int>::max()) {
        LogFormatter(LogLevel::Warning).log(Log::Global)
            << Q_FUNC_INFO << "Fan duration out of range:" << qint64(settings.fanDuration);
        return;
    }
    MachineSettings& machine = *configuration->machineSettings();
    utils::Rollback rollback(machine);
    machine.setIsCPUFanManagementOn(settings.cpuFanManagementOn);
    machine.setFanAlwaysOn(settings.fanAlwaysOn);
    machine.setFanDuration(static_cast<int>(settings.fanDuration));
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Database)
             .stored(configuration->saveMachineSettings(), "Failed to save fan settings"))
        return;
    rollback.commit();
    gCoreEnv->machine()->erogationManager()->sendFanSettings();
}

} // namespace hardware
} // namespace bridge
