#include "bridge/payment/timebands.h"

#include "bridge/payment/timebandenumconverter.h"
#include "bridge/payment/timebandsconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/configuration/paymentsettings.h"
#include "core/configuration/timebanddatasettings.h"
#include "core/coreenvironment.h"

#include <memory>

namespace bridge {
namespace payment {

namespace {

/// The switches as values, to put back when their change is not stored.
class SwitchesBackup
{
public:
    explicit SwitchesBackup(PaymentSettings& settings)
        : m_settings(settings)
    {
        for (const TimeBandDataSettings* state : settings.states())
            m_switches.push_back({ state->time(), state->day(), state->band() });
    }

    void restore() const
    {
        m_settings.clearStates();
        for (const Switch& held : m_switches)
            m_settings.addState(new TimeBandDataSettings(held.time, held.day, held.band));
    }

private:
    struct Switch
    {
        QTime time;
        Qt::DayOfWeek day;
        int band;
    };

    PaymentSettings& m_settings;
    std::vector<Switch> m_switches;
};

/// Stores the switches; when that is refused, logs it and puts back those of `backup`.
void save(Configuration& configuration, const SwitchesBackup& backup, const char* signature)
{
    // Last: once stored, the products' prices in force follow, and a slot may replace the configuration.
    if (!utils::FailureLog(signature, Log::Payment)
             .stored(configuration.savePaymentSettings(), "Failed saving payment settings"))
        backup.restore();
}

} // namespace

TimeBands::TimeBands(QObject* parent)
    : lea::payment::TimeBands(parent)
{
}

std::vector<TimeBands::TimeBandSwitch> TimeBands::priceTimeBandSwitch() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::vector<TimeBandSwitch> switches;
    for (const TimeBandDataSettings* state : configuration->paymentSettings()->states())
        switches.push_back(TimeBandsConverter::coreTimeBandToLeaTimeBand(*state));
    return switches;
}

void TimeBands::setTimeBandSwitch(const std::vector<TimeBandSwitch>& switches)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    // All converted first: a switch that does not convert changes nothing.
    std::vector<std::unique_ptr<TimeBandDataSettings>> converted;
    converted.reserve(switches.size());
    for (const TimeBandSwitch& timeBandSwitch : switches)
        converted.emplace_back(TimeBandsConverter::newCoreTimeBandFromLeaTimeBand(timeBandSwitch));
    PaymentSettings& settings = *configuration->paymentSettings();
    const SwitchesBackup backup(settings);
    settings.clearStates();
    for (std::unique_ptr<TimeBandDataSettings>& state : converted)
        settings.addState(state.release());
    save(*configuration, backup, Q_FUNC_INFO);
}

void TimeBands::addTimeBandSwitch(const TimeBandSwitch& timeBandSwitch)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    std::unique_ptr<TimeBandDataSettings> converted(
        TimeBandsConverter::newCoreTimeBandFromLeaTimeBand(timeBandSwitch));
    PaymentSettings& settings = *configuration->paymentSettings();
    const SwitchesBackup backup(settings);
    settings.addState(converted.release());
    save(*configuration, backup, Q_FUNC_INFO);
}

void TimeBands::deleteAllSwitch()
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    PaymentSettings& settings = *configuration->paymentSettings();
    const SwitchesBackup backup(settings);
    settings.clearStates();
    save(*configuration, backup, Q_FUNC_INFO);
}

void TimeBands::deleteTimeBandSwitch(const TimeBandSwitch& timeBandSwitch)
{
    Configuration* configuration = gCoreEnv->configuration();
    if (!configuration)
        return;
    PaymentSettings& settings = *configuration->paymentSettings();
    const SwitchesBackup backup(settings);
    bool removed = false;
    while (TimeBandDataSettings* found = findCoreTimeBandSwitchForLeaTimeBandSwitch(timeBandSwitch)) {
        settings.removeState(found);
        removed = true;
    }
    if (removed)
        save(*configuration, backup, Q_FUNC_INFO);
}

TimeBandDataSettings* TimeBands::findCoreTimeBandSwitchForLeaTimeBandSwitch(
    const TimeBandSwitch& timeBandSwitch) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return nullptr;
    const int band = TimeBandEnumConverter::toInternalOrThrow(timeBandSwitch.band);
    for (TimeBandDataSettings* state : configuration->paymentSettings()->states()) {
        if (state->time() == timeBandSwitch.time && state->day() == timeBandSwitch.day
            && state->band() == band)
            return state;
    }
    return nullptr;
}

} // namespace payment
} // namespace bridge
