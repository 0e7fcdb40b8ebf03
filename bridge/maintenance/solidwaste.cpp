#include "bridge/maintenance/solidwaste.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/hardware/hardwaresettings.h"
#include "core/hardwareenvironment.h"
#include "core/log/assert.h"
#include "core/machine/machine.h"

namespace bridge {
namespace maintenance {

SolidWaste::SolidWaste(QObject* parent)
    : lea::maintenance::SolidWaste(parent)
{
}

SolidWaste::~SolidWaste() = default;

lea::maintenance::SolidWaste::Unit SolidWaste::unit() const
{
    return gHardwareEnv->hardwareSettings()->isGrams() ? Grams : Dispensings;
}

lea::maintenance::SolidWaste::Settings SolidWaste::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return { std::make_pair(0, 0), std::make_pair(0, 0), nonstd::nullopt };
    const MachineSettings& machine = *configuration->machineSettings();
    const auto thresholds = std::make_pair(machine.wasteBucketFull(), machine.wasteBucketWarning());
    Settings settings;
    if (unit() == Grams)
        settings.settingsInGramsOpt = thresholds;
    else
        settings.settingsInDispensingsOpt = thresholds;
    return settings;
}

void SolidWaste::setSettings(const Settings& settings)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    if ((unit() == Unit::Grams) != bool(settings.settingsInGramsOpt))
        printAssertMsg("(unit() == Unit::Grams) == bool(settings.settingsInGramsOpt)",
            "Values must be sent in grams only if the machine is configured to use grams", __FILE__,
            __LINE__);
    if ((unit() == Unit::Dispensings) != bool(settings.settingsInDispensingsOpt))
        printAssertMsg("(unit() == Unit::Dispensings) == bool(settings.settingsInDispensingsOpt)",
            "Values must be sent in dispensings only if the machine is configured to use dispensings",
            __FILE__, __LINE__);
    const utils::FailureLog log(Q_FUNC_INFO, Log::Global);
    const auto& pair = unit() == Grams ? settings.settingsInGramsOpt : settings.settingsInDispensingsOpt;
    if (!pair) {
        log.warning("No thresholds in the machine's unit");
        return;
    }
    MachineSettings& machine = *configuration->machineSettings();
    utils::Rollback rollback(machine);
    machine.setWasteBucketFull(pair->first);
    machine.setWasteBucketWarning(pair->second);
    if (!log.stored(configuration->saveMachineSettings(), "Failed to save solid waste settings"))
        return;
    rollback.commit();
}

int SolidWaste::solidWaste() const
{
    return gCoreEnv->machine()->solidWaste();
}

} // namespace maintenance
} // namespace bridge
