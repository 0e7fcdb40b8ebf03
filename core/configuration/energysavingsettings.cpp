#include "core/configuration/energysavingsettings.h"

#include "core/configuration/timebanddatasettings.h"
#include "core/log/logformatter.h"
#include "core/settings/settingsstore.h"

#include <QJsonArray>
#include <QJsonObject>
#include <utility>

namespace {

const QString kEnable = QStringLiteral("energySaving/enable");
const QString kTimeToSoftMode = QStringLiteral("energySaving/timeToSoftMode");
const QString kWakeUpTimeFromDeep = QStringLiteral("energySaving/wakeUpTimeFromDeep");
const QString kSoftMode = QStringLiteral("energySaving/softMode");
const QString kDeepMode = QStringLiteral("energySaving/deepMode");
const QString kSchedule = QStringLiteral("energySaving/schedule");

const QString kContrast = QStringLiteral("contrast");
const QString kLight = QStringLiteral("light");
const QString kBoiler0 = QStringLiteral("boiler0");
const QString kBoiler1 = QStringLiteral("boiler1");
const QString kDay = QStringLiteral("day");
const QString kTime = QStringLiteral("time");
const QString kMode = QStringLiteral("mode");

bool isContrast(int value)
{
    return value >= EnergySavingSettings::ContrastLow && value <= EnergySavingSettings::ContrastHigh;
}

bool isMode(int value)
{
    return value >= EnergySavingSettings::SoftMode && value <= EnergySavingSettings::ScheduledOn;
}

bool isValidState(const QTime& time, int day, int mode)
{
    return time.isValid() && day >= Qt::Monday && day <= Qt::Sunday && isMode(mode);
}

bool isBoiler(InputsOutputs::Boiler boiler)
{
    return boiler == InputsOutputs::Boiler0 || boiler == InputsOutputs::Boiler1;
}

QJsonObject modeValues(int contrast, bool light, const int (&boilers)[2])
{
    return { { kContrast, contrast }, { kLight, light }, { kBoiler0, boilers[0] }, { kBoiler1, boilers[1] } };
}

/// Reads one mode's values over the current ones; a contrast that is none is left as it was.
void readMode(const QJsonObject& values, EnergySavingSettings::DisplayConstrast& contrast, bool& light,
    int (&boilers)[2])
{
    const int storedContrast = values.value(kContrast).toInt(contrast);
    if (isContrast(storedContrast))
        contrast = EnergySavingSettings::DisplayConstrast(storedContrast);
    light = values.value(kLight).toBool(light);
    boilers[0] = values.value(kBoiler0).toInt(boilers[0]);
    boilers[1] = values.value(kBoiler1).toInt(boilers[1]);
}

} // namespace

EnergySavingSettings::EnergySavingSettings(QObject* parent)
    : QObject(parent)
{
}

EnergySavingSettings::~EnergySavingSettings() = default;

int EnergySavingSettings::boilerTemperatureSoftMode(InputsOutputs::Boiler boiler) const
{
    return isBoiler(boiler) ? m_boilerSoft[boiler] : 0;
}

void EnergySavingSettings::setBoilerTemperatureSoftMode(InputsOutputs::Boiler boiler, int temperature)
{
    if (isBoiler(boiler))
        m_boilerSoft[boiler] = temperature;
}

int EnergySavingSettings::boilerTemperatureDeepMode(InputsOutputs::Boiler boiler) const
{
    return isBoiler(boiler) ? m_boilerDeep[boiler] : 0;
}

void EnergySavingSettings::setBoilerTemperatureDeepMode(InputsOutputs::Boiler boiler, int temperature)
{
    if (isBoiler(boiler))
        m_boilerDeep[boiler] = temperature;
}

void EnergySavingSettings::addState(TimeBandDataSettings* state)
{
    if (!state || m_states.contains(state))
        return;
    state->setParent(this);
    m_states << state;
}

void EnergySavingSettings::clearStates()
{
    qDeleteAll(m_states);
    m_states.clear();
}

QList<TimeBandDataSettings*> EnergySavingSettings::takeStates()
{
    for (TimeBandDataSettings* state : m_states)
        state->setParent(nullptr);
    return std::exchange(m_states, {});
}

void EnergySavingSettings::setDisplayContrastSoftModeNumber(int contrast)
{
    if (isContrast(contrast))
        m_contrastSoft = DisplayConstrast(contrast);
}

void EnergySavingSettings::setDisplayContrastDeepModeNumber(int contrast)
{
    if (isContrast(contrast))
        m_contrastDeep = DisplayConstrast(contrast);
}

void EnergySavingSettings::load(const SettingsStore& store)
{
    m_enable = store.value(kEnable, m_enable).toBool();
    m_timeToSoftMode = store.value(kTimeToSoftMode, m_timeToSoftMode).toInt();
    m_wakeUpTimeFromDeep = store.value(kWakeUpTimeFromDeep, m_wakeUpTimeFromDeep).toInt();
    readMode(store.value(kSoftMode).toObject(), m_contrastSoft, m_lightSoft, m_boilerSoft);
    readMode(store.value(kDeepMode).toObject(), m_contrastDeep, m_lightDeep, m_boilerDeep);
    clearStates();
    for (const QJsonValue& value : store.value(kSchedule).toArray()) {
        const QJsonObject entry = value.toObject();
        const QTime time = QTime::fromString(entry.value(kTime).toString(), Qt::ISODateWithMs);
        const int day = entry.value(kDay).toInt(0);
        const int mode = entry.value(kMode).toInt(-1);
        if (!isValidState(time, day, mode)) {
            LogFormatter(LogLevel::Error).log(Log::Database)
                << Q_FUNC_INFO << "Unreadable energy-saving switch" << value;
            continue;
        }
        addState(new TimeBandDataSettings(time, Qt::DayOfWeek(day), mode, this));
    }
}

bool EnergySavingSettings::save(SettingsStore& store) const
{
    QJsonArray schedule;
    for (const TimeBandDataSettings* state : m_states) {
        if (!isValidState(state->time(), state->day(), state->band())) {
            LogFormatter(LogLevel::Error).log(Log::Database)
                << Q_FUNC_INFO << "Energy-saving switch cannot be stored:" << state->time()
                << int(state->day()) << state->band();
            return false;
        }
        schedule.append(QJsonObject { { kDay, int(state->day()) },
            { kTime, state->time().toString(Qt::ISODateWithMs) }, { kMode, state->band() } });
    }
    return store.setValues(QJsonObject { { kEnable, m_enable }, { kTimeToSoftMode, m_timeToSoftMode },
        { kWakeUpTimeFromDeep, m_wakeUpTimeFromDeep },
        { kSoftMode, modeValues(m_contrastSoft, m_lightSoft, m_boilerSoft) },
        { kDeepMode, modeValues(m_contrastDeep, m_lightDeep, m_boilerDeep) }, { kSchedule, schedule } });
}
