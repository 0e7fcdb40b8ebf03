#include "bridge/hardware/pumps.h"

#include "bridge/hardware/logicalpumpenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/hardware/pump.h"
#include "core/log/logformatter.h"

#include <utility>
#include <vector>

namespace bridge {
namespace hardware {

Pumps::Pumps(QObject* parent)
    : lea::hardware::Pumps(parent)
{
}

Pumps::~Pumps() = default;

std::map<Pumps::LogicalPumpId, Pumps::Pump> Pumps::pumps() const
{
    std::map<LogicalPumpId, Pump> result;
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return result;
    for (const ::Pump* pump : configuration->pumps()) {
        if (pump->logicalId() == InputsOutputs::NoLogicalPump)
            continue;
        result.emplace(LogicalPumpEnumConverter::toExternalOrThrow(pump->logicalId()),
            Pump { pump->calibrationMin(), pump->calibrationMax() });
    }
    return result;
}

void Pumps::setPumps(const std::map<LogicalPumpId, Pump>& pumps)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    // Every identifier is checked before the first change, so that a bad one leaves all pumps as they were.
    std::vector<std::pair<::Pump*, Pump>> changes;
    for (const auto& [id, settings] : pumps) {
        const InputsOutputs::LogicalPumpId coreId = LogicalPumpEnumConverter::toInternalOrThrow(id);
        ::Pump* pump = configuration->pump(coreId);
        if (!pump) {
            LogFormatter(LogLevel::Warning).log(Log::Global)
                << Q_FUNC_INFO << "The machine has no pump" << int(id) << "; skipped.";
            continue;
        }
        changes.emplace_back(pump, settings);
    }

    utils::Rollback rollback;
    QList<::Pump*> changed;
    for (const auto& [pump, settings] : changes) {
        rollback.add(*pump);
        pump->setCalibrationMin(settings.calibrationMin);
        pump->setCalibrationMax(settings.calibrationMax);
        changed << pump;
    }
    if (utils::FailureLog(Q_FUNC_INFO, Log::Database)
            .stored(configuration->savePumps(changed), "Failed to save pumps"))
        rollback.commit();
}

} // namespace hardware
} // namespace bridge
