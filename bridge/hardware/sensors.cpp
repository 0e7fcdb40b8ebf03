#include "bridge/hardware/sensors.h"

#include "bridge/hardware/sensorenumconverter.h"
#include "core/hardware/inputstatus.h"
#include "core/hardwareenvironment.h"
#include "core/log/logformatter.h"

namespace bridge {
namespace hardware {

namespace {

QString hex(int value)
{
    return QString::number(value, 16);
}

// Whether `text` is the text of one of `states`.
bool matchesAny(const QString& text, std::initializer_list<InputStatus::State> states)
{
    const QMap<InputStatus::State, QString>& texts = InputStatus::inputStatusStatesMap();
    for (const InputStatus::State state : states) {
        if (texts.contains(state) && texts.value(state) == text)
            return true;
    }
    return false;
}

} // namespace

Sensors::Sensors(QObject* parent)
    : lea::hardware::Sensors(parent)
{
    // For queued connections and signal spies on sensorChanged().
    qRegisterMetaType<SensorId>();
    connect(gHardwareEnv->inputsCheck(), &InputsCheck::inputStatusChanged, this,
        [this](InputsCheck::MachineInputs input, const QVariant&) { onInputStatusChanged(input); });
}

Sensors::~Sensors() = default;

void Sensors::readSensors()
{
    gHardwareEnv->inputsCheck()->startReadingAllInputs();
}

nonstd::optional<bool> Sensors::isActive(SensorId id) const
{
    const nonstd::optional<InputsCheck::MachineInputs> input = SensorEnumConverter::toInternalOpt(id);
    if (!input) {
        LogFormatter(LogLevel::Error).log(Log::Global)
            << Q_FUNC_INFO << "Sensor id 0x" << qPrintable(hex(id)) << " has no equivalent in core";
        return nonstd::nullopt;
    }
    const QVariant status = gHardwareEnv->inputsCheck()->getInputStatusValue(*input);
    if (status.userType() == QMetaType::Bool)
        return status.toBool();
    if (status.userType() == QMetaType::QString) {
        const QString text = status.toString();
        if (matchesAny(text, { InputStatus::Off, InputStatus::Empty, InputStatus::Open }))
            return false;
        if (matchesAny(text, { InputStatus::On, InputStatus::Full, InputStatus::Closed }))
            return true;
        LogFormatter(LogLevel::Error).log(Log::Global)
            << Q_FUNC_INFO << "Core sensor id 0x" << qPrintable(hex(*input)) << " uses unknown string value "
            << qPrintable(text);
        return nonstd::nullopt;
    }
    LogFormatter(LogLevel::Error).log(Log::Global)
        << Q_FUNC_INFO << "Core sensor id 0x" << qPrintable(hex(*input)) << " uses unhandled type "
        << (status.typeName() ? status.typeName() : "invalid") << " value: " << qPrintable(status.toString());
    return nonstd::nullopt;
}

void Sensors::onInputStatusChanged(InputsCheck::MachineInputs input)
{
    // A core input without an interface number is nobody's business here.
    if (const nonstd::optional<SensorId> id = SensorEnumConverter::toExternalOpt(input))
        emit sensorChanged(*id);
}

} // namespace hardware
} // namespace bridge
