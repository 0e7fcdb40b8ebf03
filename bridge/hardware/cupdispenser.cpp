#include "bridge/hardware/cupdispenser.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"

#include <limits>
#include <QPointer>

namespace bridge {
namespace hardware {

namespace {

// The machine counts in units ten times smaller than the interface.
constexpr int64_t kScale = 10;

bool fitsTheMachine(int64_t time)
{
    return time >= std::numeric_limits<int>::min() / kScale
        && time <= std::numeric_limits<int>::max() / kScale;
}

} // namespace

CupDispenser::CupDispenser(QObject* parent)
    : lea::hardware::CupDispenser(parent)
{
}

CupDispenser::~CupDispenser() = default;

lea::hardware::CupDispenser::Settings CupDispenser::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const CupDispenserSettings& cups = *configuration->cupDispenserSettings();
    return { int64_t(cups.cupSettlingTime()) / kScale, int64_t(cups.waitingCupPresenceTime()) / kScale };
}

void CupDispenser::setSettings(const Settings& settings)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    for (const int64_t time : { settings.cupSettlingTime, settings.waitingCupPresenceTime }) {
        if (!fitsTheMachine(time)) {
            LogFormatter(LogLevel::Warning).log(Log::Global)
                << Q_FUNC_INFO << "Cup dispenser time out of range:" << qint64(time);
            return;
        }
    }
    const int settling = static_cast<int>(settings.cupSettlingTime * kScale);
    const int waiting = static_cast<int>(settings.waitingCupPresenceTime * kScale);

    CupDispenserSettings& cups = *configuration->cupDispenserSettings();
    const bool settlingChanged = settling != cups.cupSettlingTime();
    const bool waitingChanged = waiting != cups.waitingCupPresenceTime();
    utils::Rollback rollback(cups);
    cups.setCupSettlingTime(settling);
    cups.setWaitingCupPresenceTime(waiting);
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Database)
             .stored(configuration->saveCupDispenserSettings(), "Failed to save cup dispenser settings"))
        return;
    rollback.commit();

    // Announced once stored; a slot may replace the configuration.
    const QPointer<CupDispenserSettings> alive(&cups);
    if (settlingChanged)
        emit cups.cupSettlingTimeChanged();
    if (waitingChanged && alive)
        emit alive->waitingCupPresenceTimeChanged();
    gCoreEnv->machine()->erogationManager()->sendCupDispenserParameters();
}

} // namespace hardware
} // namespace bridge
