#include "bridge/hardware/sensorenumconverter.h"
#include "bridge/hardware/sensors.h"
#include "core/hardware/inputstatus.h"
#include "core/hardwareenvironment.h"
#include "support/accessors.h"
#include "support/machinetest.h"

#include <QSignalSpy>

namespace {

using LeaSensors = lea::hardware::Sensors;
using Converter = bridge::hardware::SensorEnumConverter;

LeaSensors::SensorId sensor(int id)
{
    return static_cast<LeaSensors::SensorId>(id);
}

InputsCheck::MachineInputs input(int number)
{
    return static_cast<InputsCheck::MachineInputs>(number);
}

class SensorsTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        sensors = createAccessor<LeaSensors>();
        ASSERT_TRUE(dynamic_cast<bridge::hardware::Sensors*>(sensors.get()));
    }

    InputsCheck& inputs() const { return *gHardwareEnv->inputsCheck(); }

    std::unique_ptr<LeaSensors> sensors;
};

TEST(SensorEnumConverter, InterfaceElevenIsCoreFortyEightAndCoreElevenToFortySevenMoveUpByOne)
{
    for (int core = 0; core <= 49; ++core) {
        const int expected = core <= 10 || core == 49 ? core : core == 48 ? 11 : core + 1;
        EXPECT_EQ(Converter::toExternalOpt(input(core)), sensor(expected)) << core;
        EXPECT_EQ(Converter::toInternalOpt(sensor(expected)), input(core)) << core;
    }
    EXPECT_EQ(Converter::convertibleExternalValues().size(), 50u);
    for (const int outside : { -1, 50, 255 }) {
        EXPECT_FALSE(Converter::toExternalOpt(input(outside))) << outside;
        EXPECT_FALSE(Converter::toInternalOpt(sensor(outside))) << outside;
    }
}

struct StatusCase
{
    const char* name;
    QVariant status;
    nonstd::optional<bool> active;
    /// The log line's items after the signature; none when nothing is logged.
    QStringList log;
};

const QString& text(InputStatus::State state)
{
    static const QMap<InputStatus::State, QString> texts = InputStatus::inputStatusStatesMap();
    return texts.find(state).value();
}

class SensorStatus : public SensorsTest, public ::testing::WithParamInterface<StatusCase>
{
};

// Interface sensor 12 is core input 11 (0xb).
TEST_P(SensorStatus, StatusReadsAsActiveInactiveOrUnknownWithOneLine)
{
    const StatusCase& entry = GetParam();
    ASSERT_TRUE(inputs().setInputStatusValue(input(11), entry.status));
    clearLog();
    EXPECT_EQ(sensors->isActive(sensor(12)), entry.active);
    if (entry.log.isEmpty()) {
        EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
        return;
    }
    ASSERT_EQ(logEntries().size(), 1);
    const LogEntry line = logEntries()[0];
    EXPECT_EQ(line.level, LogLevel::Error);
    EXPECT_EQ(line.modules, QStringList { "Global" });
    EXPECT_EQ(line.items.value(0),
        QStringLiteral("virtual nonstd::optional_lite::optional<bool> bridge::hardware::Sensors::isActive("
                       "lea::hardware::Sensors::SensorId) const"));
    EXPECT_EQ(line.items.mid(1), entry.log);
}

const StatusCase statusCases[] = {
    { "BoolTrue", true, true, {} },
    { "BoolFalse", false, false, {} },
    { "On", text(InputStatus::On), true, {} },
    { "Full", text(InputStatus::Full), true, {} },
    { "Closed", text(InputStatus::Closed), true, {} },
    { "Off", text(InputStatus::Off), false, {} },
    { "Empty", text(InputStatus::Empty), false, {} },
    { "Open", text(InputStatus::Open), false, {} },
    { "UnknownText", QStringLiteral("HALF"), nonstd::nullopt,
        { "Core sensor id 0x", "b", " uses unknown string value ", "HALF" } },
    { "Integer", 7, nonstd::nullopt,
        { "Core sensor id 0x", "b", " uses unhandled type ", "int", " value: ", "7" } },
};
INSTANTIATE_TEST_SUITE_P(Statuses, SensorStatus, ::testing::ValuesIn(statusCases), caseName<StatusCase>);

TEST_F(SensorsTest, InterfaceSensorElevenReadsCoreInputFortyEight)
{
    ASSERT_TRUE(inputs().setInputStatusValue(input(48), true));
    ASSERT_TRUE(inputs().setInputStatusValue(input(11), false));
    EXPECT_EQ(sensors->isActive(sensor(11)), true);
    EXPECT_EQ(sensors->isActive(sensor(12)), false);
    EXPECT_EQ(sensors->isActive(sensor(49)), nonstd::nullopt); // never read
}

TEST_F(SensorsTest, UnknownSensorIsLoggedAndUnknown)
{
    for (const int id : { -1, 50 }) {
        clearLog();
        EXPECT_EQ(sensors->isActive(sensor(id)), nonstd::nullopt);
        ASSERT_EQ(logEntries().size(), 1);
        EXPECT_EQ(logEntries()[0].level, LogLevel::Error);
        EXPECT_EQ(logEntries()[0].items.mid(1),
            (QStringList { "Sensor id 0x", QString::number(id, 16), " has no equivalent in core" }));
    }
}

TEST_F(SensorsTest, InputChangeReachesTheInterfaceOnceWithTheInterfaceNumber)
{
    QSignalSpy changed(sensors.get(), &LeaSensors::sensorChanged);
    ASSERT_TRUE(inputs().setInputStatusValue(input(48), true));
    ASSERT_TRUE(inputs().setInputStatusValue(input(48), true));
    ASSERT_TRUE(inputs().setInputStatusValue(input(11), text(InputStatus::Open)));
    ASSERT_TRUE(inputs().setInputStatusValue(input(11), text(InputStatus::Open)));
    // Same text, different type: a new reading.
    ASSERT_TRUE(inputs().setInputStatusValue(input(48), QStringLiteral("true")));
    EXPECT_FALSE(inputs().setInputStatusValue(input(50), true));
    ASSERT_EQ(changed.size(), 3);
    EXPECT_EQ(changed[0][0].value<LeaSensors::SensorId>(), sensor(11));
    EXPECT_EQ(changed[1][0].value<LeaSensors::SensorId>(), sensor(12));
    EXPECT_EQ(changed[2][0].value<LeaSensors::SensorId>(), sensor(11));
}

TEST_F(SensorsTest, ReadSensorsAsksTheBoardForEveryInput)
{
    QSignalSpy started(&inputs(), &InputsCheck::allInputsReadingStarted);
    sensors->readSensors();
    sensors->readSensors();
    EXPECT_EQ(started.size(), 2);
}

} // namespace
