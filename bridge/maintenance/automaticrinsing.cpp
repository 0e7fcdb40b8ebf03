#include "bridge/maintenance/automaticrinsing.h"

#include "bridge/maintenance/rinsingconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/gui/guienvironment.h"
#include "core/gui/maintenance.h"
#include "core/gui/timecleaning.h"
#include "core/machine/machine.h"

#include <memory>

namespace bridge {
namespace maintenance {

namespace {

/// The schedule part of the maintenance settings, as values, to put back
/// after a refused save.
class ScheduleSnapshot
{
public:
    explicit ScheduleSnapshot(const ::Maintenance& maintenance)
        : m_automatic(maintenance.isAutomaticCleaning())
    {
        for (const TimeCleaning* entry : maintenance.timesCleaning())
            m_entries.push_back({ entry->module(), entry->day(), entry->hour(), entry->minute() });
    }

    void restore(::Maintenance& maintenance) const
    {
        maintenance.clearTimesCleaning();
        maintenance.setIsAutomaticCleaning(m_automatic);
        for (const Entry& entry : m_entries) {
            auto timeCleaning = std::make_unique<TimeCleaning>();
            timeCleaning->setModule(entry.module);
            timeCleaning->setDay(entry.day);
            timeCleaning->setHour(entry.hour);
            timeCleaning->setMinute(entry.minute);
            maintenance.addTimeCleaning(timeCleaning.release());
        }
    }

private:
    struct Entry
    {
        CleaningSettings::RinsingType module;
        TimeCleaning::RinsingDays day;
        int hour;
        int minute;
    };

    bool m_automatic;
    std::vector<Entry> m_entries;
};

} // namespace

AutomaticRinsing::AutomaticRinsing(QObject* parent)
    : lea::maintenance::AutomaticRinsing(parent)
{
    utils::connectToConfigurationPart(
        [](const Configuration* configuration) { return configuration->cleaningSettings(); },
        &CleaningSettings::saveAutomaticCleaningSettings, this, &AutomaticRinsing::automaticCleaningsUpdated);
}

AutomaticRinsing::~AutomaticRinsing() = default;

nonstd::optional<std::vector<AutomaticRinsing::Rinsing>> AutomaticRinsing::rinsingData() const
{
    const ::Maintenance& maintenance = *gGuiEnv->maintenance();
    if (!maintenance.isAutomaticCleaning())
        return nonstd::nullopt;
    std::vector<Rinsing> rinsings;
    for (const TimeCleaning* entry : maintenance.timesCleaning())
        rinsings.push_back(RinsingConverter::coreTimeCleaningToLeaRinsing(*entry));
    return rinsings;
}

bool AutomaticRinsing::setRinsingData(const nonstd::optional<std::vector<Rinsing>>& rinsings)
{
    // Every record is converted before the schedule is touched: a bad one loses nothing.
    std::vector<std::unique_ptr<TimeCleaning>> entries;
    if (rinsings) {
        for (const Rinsing& rinsing : *rinsings)
            entries.push_back(RinsingConverter::leaRinsingToCoreTimeCleaning(rinsing));
    }

    ::Maintenance& maintenance = *gGuiEnv->maintenance();
    const ScheduleSnapshot before(maintenance);
    maintenance.clearTimesCleaning();
    maintenance.setIsAutomaticCleaning(rinsings.has_value());
    for (std::unique_ptr<TimeCleaning>& entry : entries)
        maintenance.addTimeCleaning(entry.release());
    const bool saved = utils::FailureLog(Q_FUNC_INFO, Log::Cleaning)
                           .stored(maintenance.save(), "Failed to save the automatic rinsings");
    if (!saved)
        before.restore(maintenance);
    gCoreEnv->machine()->updateCleaningTimers(0);
    return saved;
}

} // namespace maintenance
} // namespace bridge
