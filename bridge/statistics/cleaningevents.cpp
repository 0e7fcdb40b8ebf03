#include "bridge/statistics/cleaningevents.h"

#include "bridge/maintenance/rinsingtypeenumconverter.h"
#include "bridge/statistics/cleaningmodeenumconverter.h"
#include "bridge/statistics/cleaningstatusenumconverter.h"
#include "bridge/writerule.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"

#include <stdexcept>

namespace bridge {
namespace statistics {

CleaningEvents::CleaningEvents(QObject* parent)
    : lea::statistics::CleaningEvents(parent)
{
    qRegisterMetaType<CleaningEvent>();
    connect(
        gCoreEnv->machine(), &Machine::notifyCleanRinseEvent, this, &CleaningEvents::cleaningEventDetected);
}

CleaningEvents::~CleaningEvents() = default;

std::vector<CleaningEvents::CleaningEvent> CleaningEvents::cleanings() const
{
    return {};
}

void CleaningEvents::cleaningEventDetected(CleaningSettings::RinsingType type,
    CleaningSettings::RinsingMode mode, CleaningSettings::RinsingState state, bool remote)
{
    CleaningEvent event;
    // Seconds since the epoch, wrapping round as a 32-bit count does.
    event.time = uint32_t(uint64_t(gCoreEnv->clock()->now().toMSecsSinceEpoch() / 1000));
    event.remote = remote;
    try {
        event.type = maintenance::RinsingTypeEnumConverter::toExternalOrThrow(type);
        event.mode = CleaningModeEnumConverter::toExternalOrThrow(mode);
        event.status = CleaningStatusEnumConverter::toExternalOrThrow(state);
    } catch (const std::invalid_argument& e) {
        utils::FailureLog(Q_FUNC_INFO, Log::Cleaning).warning(e.what());
        return;
    }
    emit cleaningEventData(event);
}

} // namespace statistics
} // namespace bridge
