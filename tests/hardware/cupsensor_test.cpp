#include "bridge/hardware/cupsensor.h"
#include "core/configuration/configuration.h"
#include "core/hardware/abstractcupsensor.h"
#include "core/hardwareenvironment.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <QSignalSpy>
#include <stdexcept>
#include <tuple>

namespace {

using LeaCupSensor = lea::hardware::CupSensor;
using Settings = LeaCupSensor::Settings;
using Mode = LeaCupSensor::Mode;
using Sensitivity = LeaCupSensor::Sensitivity;
using Rule = LeaCupSensor::ErogationRule;

auto fields(const Settings& s)
{
    return std::make_tuple(s.mode, s.sensitivity, s.erogationRule, s.reserved0, s.reserved1, s.reserved2);
}

using CupSensorTest = SettingsAccessorTest<LeaCupSensor, bridge::hardware::CupSensor>;

TEST_F(CupSensorTest, WithoutASensorNoCupIsPresentAndTheCarrierIsHome)
{
    ASSERT_EQ(gHardwareEnv->cupSensor(), nullptr);
    EXPECT_FALSE(accessor->isCupPresent(nonstd::nullopt));
    EXPECT_FALSE(accessor->isCupPresent(2u));
    EXPECT_TRUE(accessor->isCupCarrierPositionHome());
}

TEST_F(CupSensorTest, FollowsTheMachinesSensorAndRelaysItsSignals)
{
    gHardwareEnv->setCupSensorFitted(true);
    AbstractCupSensor& core = *gHardwareEnv->cupSensor();
    const auto sensor = createAccessor<LeaCupSensor>();
    QSignalSpy presence(sensor.get(), &LeaCupSensor::cupPresenceChanged);
    QSignalSpy carrier(sensor.get(), &LeaCupSensor::cupCarrierPositionChanged);

    core.setCupPresent(true);
    EXPECT_TRUE(sensor->isCupPresent(nonstd::nullopt));
    EXPECT_TRUE(sensor->isCupPresent(7u));
    core.setCupCarrierPositionHome(false);
    EXPECT_FALSE(sensor->isCupCarrierPositionHome());
    EXPECT_EQ(presence.size(), 1);
    EXPECT_EQ(carrier.size(), 1);

    core.setCupPresent(false);
    core.setCupCarrierPositionHome(true);
    EXPECT_FALSE(sensor->isCupPresent(nonstd::nullopt));
    EXPECT_TRUE(sensor->isCupCarrierPositionHome());
    EXPECT_EQ(presence.size(), 2);
    EXPECT_EQ(carrier.size(), 2);
}

TEST_F(CupSensorTest, EverySettingRoundTripsAndTheReservedFieldsStayZero)
{
    EXPECT_EQ(fields(accessor->settings()), fields(Settings {}));
    const Settings cases[] = {
        { LeaCupSensor::Mode4, LeaCupSensor::Low, LeaCupSensor::Rule0, 0, 0, 0 },
        { LeaCupSensor::Mode0, LeaCupSensor::High, LeaCupSensor::Rule0, 0, 0, 0 },
        { LeaCupSensor::Mode0, LeaCupSensor::Low, LeaCupSensor::Rule2, 0, 0, 0 },
        { LeaCupSensor::Mode3, LeaCupSensor::Medium, LeaCupSensor::Rule1, 5, 6, 7 },
        { LeaCupSensor::Mode1, LeaCupSensor::High, LeaCupSensor::Rule2, 0, 0, 0 },
        { LeaCupSensor::Mode2, LeaCupSensor::Low, LeaCupSensor::Rule0, 0, 0, 0 },
    };
    for (const Settings& settings : cases) {
        accessor->setSettings(settings);
        reload();
        EXPECT_EQ(fields(accessor->settings()),
            fields({ settings.mode, settings.sensitivity, settings.erogationRule, 0, 0, 0 }));
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

// Each field is stored on its own: one that cannot be stored leaves the
// others to be stored as asked.
struct FieldCase
{
    const char* name;
    Settings wanted;
    const char* key;
    const char* logText;
    Settings result;
};

const Settings kBefore { LeaCupSensor::Mode1, LeaCupSensor::Medium, LeaCupSensor::Rule1, 0, 0, 0 };
const Settings kAfter { LeaCupSensor::Mode3, LeaCupSensor::High, LeaCupSensor::Rule2, 0, 0, 0 };

const FieldCase unsupportedCases[] = {
    { "Mode", { static_cast<Mode>(5), LeaCupSensor::High, LeaCupSensor::Rule2, 0, 0, 0 }, nullptr,
        "Attempt to configure unsupported CupSensorMode",
        { LeaCupSensor::Mode1, LeaCupSensor::High, LeaCupSensor::Rule2, 0, 0, 0 } },
    { "Sensitivity", { LeaCupSensor::Mode3, static_cast<Sensitivity>(-1), LeaCupSensor::Rule2, 0, 0, 0 },
        nullptr, "Attempt to configure unsupported CupSensorSensitivity",
        { LeaCupSensor::Mode3, LeaCupSensor::Medium, LeaCupSensor::Rule2, 0, 0, 0 } },
    { "Rule", { LeaCupSensor::Mode3, LeaCupSensor::High, static_cast<Rule>(3), 0, 0, 0 }, nullptr,
        "Attempt to configure unsupported ForceErogationRules",
        { LeaCupSensor::Mode3, LeaCupSensor::High, LeaCupSensor::Rule1, 0, 0, 0 } },
    { "RefusedMode", kAfter, "physicalMachine/cupSensorMode", "Failed to save the cup sensor mode",
        { LeaCupSensor::Mode1, LeaCupSensor::High, LeaCupSensor::Rule2, 0, 0, 0 } },
    { "RefusedSensitivity", kAfter, "machine/cupSensorSensibility",
        "Failed to save the cup sensor sensitivity",
        { LeaCupSensor::Mode3, LeaCupSensor::Medium, LeaCupSensor::Rule2, 0, 0, 0 } },
    { "RefusedRule", kAfter, "general/forceErogationRule", "Failed to save the cup sensor dispensing rule",
        { LeaCupSensor::Mode3, LeaCupSensor::High, LeaCupSensor::Rule1, 0, 0, 0 } },
};

class CupSensorFieldTest : public CupSensorTest, public ::testing::WithParamInterface<FieldCase>
{
};

TEST_P(CupSensorFieldTest, AFieldThatCannotBeStoredIsLoggedKeptAndTheOthersStored)
{
    accessor->setSettings(kBefore);
    if (GetParam().key)
        refuseSetting(QLatin1String(GetParam().key));
    clearLog();

    EXPECT_NO_THROW(accessor->setSettings(GetParam().wanted));
    EXPECT_EQ(fields(accessor->settings()), fields(GetParam().result));
    ASSERT_EQ(logEntriesContaining(QLatin1String(GetParam().logText)).size(), 1);
    EXPECT_TRUE(logEntriesContaining(QLatin1String(GetParam().logText))[0].text.contains(
        QStringLiteral("CupSensor::setSettings(")));
    reload();
    EXPECT_EQ(fields(accessor->settings()), fields(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CupSensorFieldTest, ::testing::ValuesIn(unsupportedCases), caseName<FieldCase>);

// A value stored by other software that the interface does not name.
TEST_F(CupSensorTest, ReadingAStoredValueTheInterfaceDoesNotNameThrows)
{
    for (const char* key :
        { "physicalMachine/cupSensorMode", "machine/cupSensorSensibility", "general/forceErogationRule" }) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(store().setValue(QLatin1String(key), 9));
        reload();
        EXPECT_THROW(accessor->settings(), std::invalid_argument);
        ASSERT_TRUE(store().setValue(QLatin1String(key), 0));
        reload();
        EXPECT_NO_THROW(accessor->settings());
    }
}

using CupSensor = bridge::hardware::CupSensor;
const GuardCase<CupSensor> kGuarded[] = {
    { "isCupPresent", [](CupSensor& s) { return !s.isCupPresent(nonstd::nullopt); }, Guard::None },
    { "isCupCarrierPositionHome", [](CupSensor& s) { return s.isCupCarrierPositionHome(); }, Guard::None },
    { "settings", [](CupSensor& s) { return fields(s.settings()) == fields(Settings {}); } },
    { "setSettings",
        [](CupSensor& s) {
            s.setSettings(kAfter);
            return !gCoreEnv->configurationGroup()->settingsStore()->contains(
                QStringLiteral("physicalMachine/cupSensorMode"));
        } },
};
GUARD_TEST(CupSensorGuard, LeaCupSensor, CupSensor, kGuarded);

} // namespace
