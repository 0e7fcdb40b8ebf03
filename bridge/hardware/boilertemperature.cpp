#include "bridge/hardware/boilertemperature.h"

#include "bridge/hardware/boilerparameterslimits.h"
#include "bridge/hardware/boostespressotypeenumconverter.h"
#include "bridge/hardware/boostinstanttypeenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/hardware/inputscheck.h"
#include "core/hardwareenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/boilertemperatureaveragehandler.h"
#include "core/machine/machine.h"

#include <cmath>
#include <limits>

namespace bridge {
namespace hardware {

namespace {

// The reading mode in which the board reads the boiler temperatures only.
constexpr int kTemperaturesOnly = 1;

InputsCheck& inputsCheck()
{
    return *gHardwareEnv->inputsCheck();
}

bool instantTemperatureApplies(const Configuration& configuration)
{
    return configuration.isInstantBoilerAvailable() || configuration.isEspressoBoilerForInstantAvailable();
}

bool fitsInt(int64_t value)
{
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

// Without limits the machine sets none.
bool within(const lea::hardware::BoilerParametersLimits::Limits& limits, int64_t value)
{
    return !limits || (value >= limits->first && value <= limits->second);
}

} // namespace

BoilerTemperature::BoilerTemperature(QObject* parent)
    : lea::hardware::BoilerTemperature(parent)
{
    // For queued connections and signal spies on measuresChanged().
    qRegisterMetaType<Measures>();
    Machine* machine = gCoreEnv->machine();
    connect(machine, &Machine::heating, this, &lea::hardware::BoilerTemperature::heating);
    for (BoilerTemperatureAverageHandler* handler : machine->boilerTemperatureAverageHandlers())
        connect(handler, &BoilerTemperatureAverageHandler::notifyBoilerTemperatureEvent, this,
            &lea::hardware::BoilerTemperature::newAverageMeasureAvailable);
}

BoilerTemperature::~BoilerTemperature()
{
    if (m_refreshing && gHardwareEnv)
        inputsCheck().setReadingMode(m_savedReadingMode);
}

bool BoilerTemperature::isHeating() const
{
    return gCoreEnv->machine()->isMachineHeating();
}

void BoilerTemperature::refreshMeasures()
{
    InputsCheck& inputs = inputsCheck();
    connect(&inputs, &InputsCheck::eSBoilerMeasuredTempChanged, this, &BoilerTemperature::onInputsChanged,
        Qt::UniqueConnection);
    connect(&inputs, &InputsCheck::iNBoilerMeasuredTempChanged, this, &BoilerTemperature::onInputsChanged,
        Qt::UniqueConnection);
    // A refresh already running has set the mode: the one to give back is the one before it.
    if (!m_refreshing) {
        m_savedReadingMode = inputs.readingMode();
        m_refreshing = true;
    }
    inputs.setReadingMode(kTemperaturesOnly);
    inputs.refreshABInputs();
}

void BoilerTemperature::onInputsChanged()
{
    finishRefresh();
    emit measuresChanged(lastMeasures());
}

void BoilerTemperature::finishRefresh()
{
    InputsCheck& inputs = inputsCheck();
    disconnect(&inputs, &InputsCheck::eSBoilerMeasuredTempChanged, this, &BoilerTemperature::onInputsChanged);
    disconnect(&inputs, &InputsCheck::iNBoilerMeasuredTempChanged, this, &BoilerTemperature::onInputsChanged);
    if (m_refreshing)
        inputs.setReadingMode(m_savedReadingMode);
    m_refreshing = false;
}

void BoilerTemperature::startReadingOnlyTemperatures(std::chrono::duration<long long, std::milli> interval)
{
    if (interval.count() < 0 || !fitsInt(interval.count())) {
        LogFormatter(LogLevel::Warning).log(Log::Machine)
            << Q_FUNC_INFO << "Reading interval out of range:" << qint64(interval.count());
        return;
    }
    inputsCheck().startReadingOnlyTemperatures(static_cast<int>(interval.count()));
}

void BoilerTemperature::stopReadingTimer()
{
    inputsCheck().stopReadingTimer();
}

lea::hardware::BoilerTemperature::Measures BoilerTemperature::lastMeasures() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const InputsCheck& inputs = inputsCheck();
    Measures measures;
    if (configuration->isEspressoBoilerAvailable())
        measures.espressoBoilerTemperature = static_cast<int16_t>(inputs.espressoBoilerTemperature());
    if (instantTemperatureApplies(*configuration))
        measures.instantBoilerTemperature = static_cast<int16_t>(inputs.instantBoilerTemperature());
    if (configuration->isSteamBoilerAvailable())
        measures.steamBoilerValue = static_cast<int16_t>(inputs.steamBoilerValue() / 10);
    return measures;
}

lea::hardware::BoilerTemperature::AverageMeasures BoilerTemperature::lastMeasuresAverage() const
{
    const QList<BoilerTemperatureAverageHandler*> handlers
        = gCoreEnv->machine()->boilerTemperatureAverageHandlers();
    // The interface lists the machine's second handler first.
    constexpr int kOrder[] = { 1, 0, 2 };
    AverageMeasures averages {};
    for (std::size_t k = 0; k < std::size(kOrder); ++k) {
        const BoilerTemperatureAverageHandler* handler = handlers.value(kOrder[k]);
        if (!handler)
            continue;
        averages[k] = static_cast<int16_t>(handler->currentValue());
        averages[k + std::size(kOrder)] = static_cast<int16_t>(handler->accumulatedValue() / 1000);
    }
    return averages;
}

lea::hardware::BoilerTemperature::Settings BoilerTemperature::settings() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const MachineSettings& machine = *configuration->machineSettings();
    Settings settings;
    settings.espressoBoilerTemperature = static_cast<int16_t>(machine.espressoTemperature());
    settings.espressoMinTemperature = static_cast<int16_t>(machine.espressoMinTemperature());
    settings.lowTemperatureFailureSolvedThreshold
        = static_cast<int16_t>(machine.lowTemperatureFailureSolvedThreshold());
    settings.espressoMaxDeltaTemperature = static_cast<int16_t>(machine.espressoMaxDeltaTemperature());
    settings.idleTimeBeforeMaxEspressoTemperature = machine.idleTimeBeforeMaxEspressoTemperature();
    settings.reserved = 0;
    settings.espressoTemperature
        = configuration->isEspressoBoilerAvailable() ? settings.espressoBoilerTemperature : 0;
    if (instantTemperatureApplies(*configuration))
        settings.instantBoilerTemperature
            = static_cast<int16_t>(configuration->instantSettings()->boilerInstantTemperature());
    settings.boost = Boost { BoostInstantTypeEnumConverter::toExternalOrThrow(machine.boostInstantType()),
        BoostEspressoTypeEnumConverter::toExternalOrThrow(machine.boostEspressoType()),
        configuration->espressoSettings()->firstCoffeeBoostTime() };
    return settings;
}

void BoilerTemperature::setSettings(const Settings& settings)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    // Everything is checked before anything changes.
    nonstd::optional<MachineSettings::BoostInstantType> boostInstantType;
    nonstd::optional<MachineSettings::BoostEspressoType> boostEspressoType;
    if (settings.boost) {
        boostInstantType = BoostInstantTypeEnumConverter::toInternalOrThrow(settings.boost->boostInstantType);
        boostEspressoType
            = BoostEspressoTypeEnumConverter::toInternalOrThrow(settings.boost->boostEspressoType);
    }
    // The machine keeps 32 bits; a longer time would be stored as another one.
    if (!fitsInt(settings.idleTimeBeforeMaxEspressoTemperature)
        || (settings.boost && !fitsInt(settings.boost->firstCoffeeBoostTime))) {
        LogFormatter(LogLevel::Warning).log(Log::Machine)
            << Q_FUNC_INFO << "Time out of range:" << qint64(settings.idleTimeBeforeMaxEspressoTemperature)
            << qint64(settings.boost ? settings.boost->firstCoffeeBoostTime : 0);
        return;
    }

    // The interface offers these ranges; a value outside them is not one the machine may heat to.
    const BoilerParametersLimits limits(nullptr);
    const bool espresso = configuration->isEspressoBoilerAvailable();
    const bool instant = settings.instantBoilerTemperature && instantTemperatureApplies(*configuration);
    if ((espresso && !within(limits.espressoBoilerTemp(), settings.espressoTemperature))
        || (instant && !within(limits.instantBoilerTemp(), *settings.instantBoilerTemperature))
        || (settings.boost && !within(limits.boostTimeFirstCoffee(), settings.boost->firstCoffeeBoostTime))) {
        LogFormatter(LogLevel::Warning).log(Log::Machine)
            << Q_FUNC_INFO << "Value out of range:" << settings.espressoTemperature
            << settings.instantBoilerTemperature.value_or(0)
            << qint64(settings.boost ? settings.boost->firstCoffeeBoostTime : 0);
        return;
    }

    MachineSettings& machine = *configuration->machineSettings();
    utils::Rollback rollback(machine);
    rollback.add(*configuration->espressoSettings());
    rollback.add(*configuration->instantSettings());
    // Settings read from a machine without espresso boiler carry 0 there: it must not
    // replace the stored set-point.
    if (espresso)
        machine.setEspressoTemperature(settings.espressoTemperature);
    machine.setEspressoMinTemperature(settings.espressoMinTemperature);
    machine.setLowTemperatureFailureSolvedThreshold(settings.lowTemperatureFailureSolvedThreshold);
    machine.setEspressoMaxDeltaTemperature(settings.espressoMaxDeltaTemperature);
    machine.setIdleTimeBeforeMaxEspressoTemperature(
        static_cast<int>(settings.idleTimeBeforeMaxEspressoTemperature));
    if (instant)
        configuration->instantSettings()->setBoilerInstantTemperature(*settings.instantBoilerTemperature);
    if (settings.boost) {
        machine.setBoostInstantType(*boostInstantType);
        machine.setBoostEspressoType(*boostEspressoType);
        configuration->espressoSettings()->saveFirstCoffeeBoostTime(
            static_cast<int>(settings.boost->firstCoffeeBoostTime));
    }
    if (!utils::FailureLog(Q_FUNC_INFO, Log::Database)
             .stored(configuration->saveMachineSettings(), "Failed to save boiler temperature settings"))
        return;
    rollback.commit();
}

int BoilerTemperature::pressureToTemperature(float pressure, bool) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return 0;
    const double temperature = configuration->machineSettings()->pressureToTemperature(pressure);
    // Truncation toward zero is defined only for numbers that fit.
    if (!std::isfinite(temperature) || temperature <= double(std::numeric_limits<int>::min()) - 1.0
        || temperature >= double(std::numeric_limits<int>::max()) + 1.0) {
        LogFormatter(LogLevel::Warning).log(Log::Machine)
            << Q_FUNC_INFO << "Pressure has no temperature in range:" << double(pressure);
        return 0;
    }
    return static_cast<int>(temperature);
}

float BoilerTemperature::temperatureToPressure(int temperature) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return 0;
    return static_cast<float>(configuration->machineSettings()->temperatureToPressure(temperature) / 10);
}

lea::hardware::BoilerTemperature::Limits BoilerTemperature::steamBoilerTempLimits() const
{
    if (!utils::loadedConfiguration(Q_FUNC_INFO)) {
        LogFormatter(LogLevel::Warning).log(Log::Machine)
            << "MachineSettings is null, can't get steam boiler temperature limits.";
        return nonstd::nullopt;
    }
    return qMakePair(1000, 1400);
}

std::vector<lea::hardware::BoilerTemperature::BoostInstantType>
BoilerTemperature::availableBoostInstantTypes() const
{
    return { NoInstantBoost, InstantBoost };
}

} // namespace hardware
} // namespace bridge
