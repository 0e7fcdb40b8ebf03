#include "core/machine/energysavingtimer.h"

#include "core/configuration/configuration.h"
#include "core/configuration/energysavingsettings.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"

namespace {
constexpr qint64 kSecondsPerMinute = 60;

const EnergySavingSettings* enabledSettings()
{
    const Configuration* configuration = gCoreEnv ? gCoreEnv->configuration() : nullptr;
    const EnergySavingSettings* settings = configuration ? configuration->energySavingSettings() : nullptr;
    return settings && settings->enable() ? settings : nullptr;
}
} // namespace

EnergySavingTimer::EnergySavingTimer(Machine& machine)
    : QObject(&machine)
    , m_machine(machine)
{
    connect(&machine, &Machine::energyModeChanged, this, &EnergySavingTimer::energySavingStateNameChanged);
}

EnergySavingTimer::~EnergySavingTimer() = default;

void EnergySavingTimer::follow(MachineClock* clock)
{
    if (m_clock)
        disconnect(m_clock, nullptr, this, nullptr);
    m_clock = clock;
    if (!clock)
        return;
    m_lastUse = clock->now();
    connect(clock, &MachineClock::timeChanged, this, &EnergySavingTimer::onTimeChanged);
}

void EnergySavingTimer::wakeUp()
{
    if (!m_clock)
        return;
    m_lastUse = m_clock->now();
    switch (m_machine.energyMode()) {
    case EnergySavingSettings::DeepMode:
    case EnergySavingSettings::Off:
        m_wakingSince = m_lastUse;
        m_machine.setEnergyMode(EnergySavingSettings::WakingUp);
        onTimeChanged(); // a waking time of 0 wakes at once
        break;
    case EnergySavingSettings::WakingUp:
        break;
    default:
        m_machine.setEnergyMode(EnergySavingSettings::NoSaving);
        break;
    }
}

void EnergySavingTimer::onTimeChanged()
{
    const QDateTime now = m_clock->now();
    const EnergySavingSettings* settings = enabledSettings();
    const EnergySavingSettings::EnergyMode mode = m_machine.energyMode();
    if (mode == EnergySavingSettings::WakingUp) {
        const qint64 waking = settings ? settings->wakeUpTimeFromDeep() * kSecondsPerMinute : 0;
        if (m_wakingSince.secsTo(now) >= waking) {
            m_lastUse = now;
            m_machine.setEnergyMode(EnergySavingSettings::NoSaving);
        }
        return;
    }
    // A clock set back starts the time without use again.
    if (m_lastUse.secsTo(now) < 0)
        m_lastUse = now;
    if (!settings)
        return;
    const qint64 idle = m_lastUse.secsTo(now);
    const qint64 toSoft = qint64(settings->timeToSoftMode()) * kSecondsPerMinute;
    if (mode == EnergySavingSettings::NoSaving && idle >= toSoft)
        m_machine.setEnergyMode(EnergySavingSettings::SoftMode);
    if (m_machine.energyMode() == EnergySavingSettings::SoftMode && idle >= 2 * toSoft)
        m_machine.setEnergyMode(EnergySavingSettings::DeepMode);
}
