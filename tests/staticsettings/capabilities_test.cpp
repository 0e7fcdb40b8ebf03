#include "bridge/staticsettings/boilercapabilities.h"
#include "bridge/staticsettings/display.h"
#include "bridge/staticsettings/energysavingcapabilities.h"
#include "bridge/staticsettings/rollingtextscapabilities.h"
#include "core/configuration/configurationgroup.h"
#include "core/hardwareenvironment.h"
#include "core/machine/machine.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"

#include <QJsonObject>

namespace {

using LeaBoiler = lea::staticsettings::BoilerCapabilities;
using LeaEnergy = lea::staticsettings::EnergySavingCapabilities;
using LeaRolling = lea::staticsettings::RollingTextsCapabilities;
using LeaDisplay = lea::staticsettings::Display;

struct Equipment
{
    HardwareEnvironment::MachineModel model;
    bool quorra;
    bool espresso, instant, steam, espressoForInstant;
};

// What the interface may show on such a machine.
struct Offered
{
    bool espressoTemperature, instantTemperature, steamPressure;
    bool espressoBoost, espressoBoostEditable, instantBoost;
    bool lights;
    bool rssFeed, webViews, webViewTabs;
};

struct Case
{
    const char* name;
    Equipment machine;
    Offered offered;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

// clang-format off
const Case kCases[] = {
    //                             model              quorra  esp    inst   steam  esp4inst    espT   instT  steam  boost  edit   instB  light  rss    web    tabs
    { "Model0EspressoAndInstant", { HardwareEnvironment::TableTopInstant, false, true,  true,  false, false }, { true,  true,  false, false, false, false, true,  true,  true,  true  } },
    { "Model1QuorraEspressoOnly", { HardwareEnvironment::TableTopEspresso, true,  true,  false, false, false }, { true,  false, false, false, false, true,  true,  true,  false, true  } },
    { "Model2EspressoOnly",       { HardwareEnvironment::FloorStandingInstant, false, true,  false, true,  false }, { true,  false, true,  true,  true,  true,  true,  true,  true,  true  } },
    { "Model2WithInstant",        { HardwareEnvironment::FloorStandingInstant, false, true,  true,  false, false }, { true,  true,  false, false, false, false, true,  true,  true,  true  } },
    { "Model3EspressoOnly",       { HardwareEnvironment::FloorStandingEspresso, false, true,  false, false, false }, { true,  false, false, false, false, true,  true,  true,  true,  true  } },
    { "Model4EspressoForInstant", { HardwareEnvironment::CompactInstant, false, true,  false, false, true  }, { true,  true,  false, false, false, true,  true,  true,  true,  true  } },
    { "Model5WithInstant",        { HardwareEnvironment::CompactEspresso, false, true,  true,  true,  false }, { true,  true,  true,  true,  false, false, true,  false, false, false } },
    { "Model5EspressoForInstant", { HardwareEnvironment::CompactEspresso, true,  true,  false, false, true  }, { true,  true,  false, true,  true,  true,  true,  false, false, false } },
    { "Model6EspressoOnly",       { HardwareEnvironment::Quorra, false, true,  false, false, false }, { true,  false, false, true,  true,  true,  false, true,  true,  true  } },
    { "Model6WithInstant",        { HardwareEnvironment::Quorra, false, false, true,  true,  false }, { false, true,  true,  false, false, false, false, true,  true,  true  } },
};
// clang-format on

class Capabilities : public MachineTest, public ::testing::WithParamInterface<Case>
{
};

TEST_P(Capabilities, FollowTheModelAndTheBoilersOfTheConfiguration)
{
    const Equipment& m = GetParam().machine;
    machine().hardware().setMachineModel(m.model);
    machine().core().machine()->setQuorra(m.quorra);
    ASSERT_TRUE(machine().core().configurationGroup()->settingsStore()->setValues(
        { { QStringLiteral("boilers/espresso"), m.espresso },
            { QStringLiteral("boilers/instant"), m.instant }, { QStringLiteral("boilers/steam"), m.steam },
            { QStringLiteral("boilers/espressoForInstant"), m.espressoForInstant } }));
    loadConfiguration();
    const auto boiler = createAccessor<LeaBoiler>();
    const auto energy = createAccessor<LeaEnergy>();
    const auto rolling = createAccessor<LeaRolling>();
    const auto display = createAccessor<LeaDisplay>();
    ASSERT_TRUE(dynamic_cast<bridge::staticsettings::BoilerCapabilities*>(boiler.get()));
    ASSERT_TRUE(dynamic_cast<bridge::staticsettings::EnergySavingCapabilities*>(energy.get()));
    ASSERT_TRUE(dynamic_cast<bridge::staticsettings::RollingTextsCapabilities*>(rolling.get()));
    ASSERT_TRUE(dynamic_cast<bridge::staticsettings::Display*>(display.get()));
    clearLog();

    const Offered& o = GetParam().offered;
    EXPECT_EQ(boiler->espressoBoilerTemperatureSetting(), o.espressoTemperature);
    EXPECT_EQ(energy->softModeBoilerEspressoTemperatureSetting(), o.espressoTemperature);
    EXPECT_EQ(energy->deepModeBoilerEspressoTemperatureSetting(), o.espressoTemperature);
    EXPECT_EQ(boiler->instantBoilerTemperatureSetting(), o.instantTemperature);
    EXPECT_EQ(energy->softModeBoilerInstantTemperatureSetting(), o.instantTemperature);
    EXPECT_EQ(energy->deepModeBoilerInstantTemperatureSetting(), o.instantTemperature);
    EXPECT_EQ(boiler->steamBoilerPressureSetting(), o.steamPressure);
    EXPECT_EQ(boiler->minSteamBoilerPressureDrinkDeliverySetting(), o.steamPressure);
    EXPECT_EQ(energy->softModeBoilerSteamPressureSetting(), o.steamPressure);
    EXPECT_EQ(energy->deepModeBoilerSteamPressureSetting(), o.steamPressure);
    EXPECT_EQ(boiler->espressoBoostModeSetting(), o.espressoBoost);
    EXPECT_EQ(boiler->firstCoffeeBoostTimeSetting(), o.espressoBoost);
    EXPECT_EQ(boiler->espressoBoostModeSettingEditable(), o.espressoBoostEditable);
    EXPECT_EQ(boiler->instantBoostModeSetting(), o.instantBoost);
    EXPECT_EQ(energy->softModeLightEnabledSetting(), o.lights);
    EXPECT_EQ(energy->deepModeLightEnabledSetting(), o.lights);
    EXPECT_EQ(rolling->rssFeedEnableDuringDispensingSetting(), o.rssFeed);
    EXPECT_EQ(rolling->webViewsSettings(), o.webViews);
    EXPECT_EQ(rolling->webViewsUrlTabNamesSetting(), o.webViewTabs);
    EXPECT_TRUE(display->customizationScreenEnabled());

    // Settings no machine of this kind offers.
    for (const bool offered : { boiler->minEspressoBoilerTempDrinkDeliverySetting(),
             boiler->minInstantBoilerTempDrinkDeliverySetting(), boiler->standardRecirculationTimeSetting(),
             boiler->extraRecirculationTimeSetting(), boiler->extraRecirculationDeltaTimeSetting(),
             boiler->minWaterLeakageTimeSetting(), boiler->seriousWaterLeakageTimeSetting(),
             boiler->thresholdTLowFailureSolvedSetting(), boiler->thresholdMaxDeltaTValueSetting(),
             boiler->timeBeforeMaxEspressoSetting(), energy->deepModeSwitchOffBoilerSetting(),
             energy->selfModeThresholdSalesPerHoursSetting() })
        EXPECT_FALSE(offered);
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

INSTANTIATE_TEST_SUITE_P(Machines, Capabilities, ::testing::ValuesIn(kCases), caseName<Case>);

// The operations that need no configuration report nothing; on model 0 they offer everything.
#define OFFERED(Accessor, operation)                                                                         \
    {                                                                                                        \
#operation, [](Accessor & a) { return a.operation(); }, Guard::None                                  \
    }
#define NOT_OFFERED(Accessor, operation, guard)                                                              \
    {                                                                                                        \
#operation, [](Accessor & a) { return !a.operation(); }, guard                                       \
    }

using Boiler = bridge::staticsettings::BoilerCapabilities;
const GuardCase<Boiler> kBoilerGuarded[] = {
    NOT_OFFERED(Boiler, espressoBoilerTemperatureSetting, Guard::Configuration),
    NOT_OFFERED(Boiler, instantBoilerTemperatureSetting, Guard::Configuration),
    NOT_OFFERED(Boiler, steamBoilerPressureSetting, Guard::Configuration),
    NOT_OFFERED(Boiler, minEspressoBoilerTempDrinkDeliverySetting, Guard::None),
    NOT_OFFERED(Boiler, minInstantBoilerTempDrinkDeliverySetting, Guard::None),
    NOT_OFFERED(Boiler, minSteamBoilerPressureDrinkDeliverySetting, Guard::Configuration),
    NOT_OFFERED(Boiler, standardRecirculationTimeSetting, Guard::None),
    NOT_OFFERED(Boiler, extraRecirculationTimeSetting, Guard::None),
    NOT_OFFERED(Boiler, extraRecirculationDeltaTimeSetting, Guard::None),
    NOT_OFFERED(Boiler, minWaterLeakageTimeSetting, Guard::None),
    NOT_OFFERED(Boiler, seriousWaterLeakageTimeSetting, Guard::None),
    NOT_OFFERED(Boiler, thresholdTLowFailureSolvedSetting, Guard::None),
    NOT_OFFERED(Boiler, thresholdMaxDeltaTValueSetting, Guard::None),
    NOT_OFFERED(Boiler, timeBeforeMaxEspressoSetting, Guard::None),
    NOT_OFFERED(Boiler, espressoBoostModeSetting, Guard::Configuration),
    NOT_OFFERED(Boiler, instantBoostModeSetting, Guard::Configuration),
    // Both ask the espresso boost first, whose guard line is the only one.
    { "espressoBoostModeSetting", [](Boiler& b) { return !b.espressoBoostModeSettingEditable(); },
        Guard::Configuration, "espressoBoostModeSettingEditable" },
    { "espressoBoostModeSetting", [](Boiler& b) { return !b.firstCoffeeBoostTimeSetting(); },
        Guard::Configuration, "firstCoffeeBoostTimeSetting" },
};
GUARD_TEST(BoilerCapabilitiesGuard, LeaBoiler, Boiler, kBoilerGuarded);

using Energy = bridge::staticsettings::EnergySavingCapabilities;
const GuardCase<Energy> kEnergyGuarded[] = {
    OFFERED(Energy, softModeLightEnabledSetting),
    OFFERED(Energy, deepModeLightEnabledSetting),
    NOT_OFFERED(Energy, softModeBoilerEspressoTemperatureSetting, Guard::Configuration),
    NOT_OFFERED(Energy, deepModeBoilerEspressoTemperatureSetting, Guard::Configuration),
    NOT_OFFERED(Energy, softModeBoilerInstantTemperatureSetting, Guard::Configuration),
    NOT_OFFERED(Energy, deepModeBoilerInstantTemperatureSetting, Guard::Configuration),
    NOT_OFFERED(Energy, softModeBoilerSteamPressureSetting, Guard::Configuration),
    NOT_OFFERED(Energy, deepModeBoilerSteamPressureSetting, Guard::Configuration),
    NOT_OFFERED(Energy, deepModeSwitchOffBoilerSetting, Guard::None),
    NOT_OFFERED(Energy, selfModeThresholdSalesPerHoursSetting, Guard::None),
};
GUARD_TEST(EnergySavingCapabilitiesGuard, LeaEnergy, Energy, kEnergyGuarded);

using Rolling = bridge::staticsettings::RollingTextsCapabilities;
const GuardCase<Rolling> kRollingGuarded[] = {
    OFFERED(Rolling, rssFeedEnableDuringDispensingSetting),
    OFFERED(Rolling, webViewsSettings),
    OFFERED(Rolling, webViewsUrlTabNamesSetting),
};
GUARD_TEST(RollingTextsCapabilitiesGuard, LeaRolling, Rolling, kRollingGuarded);

using Display = bridge::staticsettings::Display;
const GuardCase<Display> kDisplayGuarded[] = { OFFERED(Display, customizationScreenEnabled) };
GUARD_TEST(DisplayGuard, LeaDisplay, Display, kDisplayGuarded);

} // namespace
