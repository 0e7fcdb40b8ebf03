#include "bridge/hardware/boilers.h"
#include "bridge/hardware/boilertemperature.h"
#include "bridge/hardware/boostespressotypeenumconverter.h"
#include "bridge/hardware/boostinstanttypeenumconverter.h"
#include "core/configuration/configuration.h"
#include "core/hardware/inputscheck.h"
#include "core/hardwareenvironment.h"
#include "core/machine/boilertemperatureaveragehandler.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <cmath>
#include <limits>
#include <QSignalSpy>
#include <tuple>

namespace {

using LeaTemperature = lea::hardware::BoilerTemperature;
using Settings = LeaTemperature::Settings;
using Boost = LeaTemperature::Boost;
using Measures = LeaTemperature::Measures;

auto fields(const Measures& m)
{
    return std::make_tuple(m.instantBoilerTemperature, m.espressoBoilerTemperature, m.steamBoilerValue);
}

auto fields(const nonstd::optional<Boost>& b)
{
    return b ? nonstd::make_optional(
               std::make_tuple(b->boostInstantType, b->boostEspressoType, b->firstCoffeeBoostTime))
             : nonstd::nullopt;
}

auto fields(const Settings& s)
{
    return std::make_tuple(s.espressoBoilerTemperature, s.espressoMinTemperature,
        s.lowTemperatureFailureSolvedThreshold, s.idleTimeBeforeMaxEspressoTemperature, s.reserved,
        s.espressoTemperature, s.instantBoilerTemperature, fields(s.boost), s.espressoMaxDeltaTemperature,
        s.steamBoilerTemperature);
}

Settings someSettings()
{
    Settings s;
    s.espressoBoilerTemperature = 940; // what settings() reads back, set from espressoTemperature
    s.espressoMinTemperature = 860;
    s.lowTemperatureFailureSolvedThreshold = 870;
    s.idleTimeBeforeMaxEspressoTemperature = -70000;
    s.espressoTemperature = 940;
    s.instantBoilerTemperature = 910;
    s.boost = Boost { LeaTemperature::InstantBoost, LeaTemperature::EspressoBoost, 600 };
    s.espressoMaxDeltaTemperature = 25;
    return s;
}

/// Which boilers the machine is built with.
struct Build
{
    bool espresso = true;
    bool instant = true;
    bool steam = false;
    bool espressoForInstant = false;
};

class BoilerTemperatureTest : public SettingsAccessorTest<LeaTemperature, bridge::hardware::BoilerTemperature>
{
protected:
    InputsCheck& inputs() const { return *gHardwareEnv->inputsCheck(); }
    void build(const Build& b)
    {
        ASSERT_TRUE(store().setValues(QJsonObject { { QStringLiteral("boilers/espresso"), b.espresso },
            { QStringLiteral("boilers/instant"), b.instant }, { QStringLiteral("boilers/steam"), b.steam },
            { QStringLiteral("boilers/espressoForInstant"), b.espressoForInstant } }));
        loadConfiguration();
    }
};

struct MeasuresCase
{
    const char* name;
    Build build;
    int steamReading;
    Measures expected;
};

TEST_F(BoilerTemperatureTest, LastMeasuresReadTheBoilersTheMachineHas)
{
    const MeasuresCase cases[] = {
        { "every boiler", { true, true, true, false }, 1234, { 870, 935, 123 } },
        { "espresso only", { true, false, false, false }, 1234, { 0, 935, 0 } },
        { "instant from the espresso boiler", { false, false, false, true }, 1234, { 870, 0, 0 } },
        { "negative steam truncates toward zero", { false, false, true, false }, -1239, { 0, 0, -123 } },
        { "none", { false, false, false, false }, 1234, { 0, 0, 0 } },
    };
    ASSERT_TRUE(inputs().setTemperature_dC(InputsCheck::EspressoBoiler, 935));
    ASSERT_TRUE(inputs().setTemperature_dC(InputsCheck::InstantBoiler, 870));
    for (const MeasuresCase& c : cases) {
        build(c.build);
        ASSERT_TRUE(inputs().setTemperature_dC(InputsCheck::SteamBoiler, c.steamReading));
        EXPECT_EQ(fields(accessor->lastMeasures()), fields(c.expected)) << c.name;
    }
}

struct RefreshCase
{
    int boiler; ///< the boiler whose reading arrives first
    Measures expected;
};

TEST_F(BoilerTemperatureTest, ARefreshReportsTheFirstNewReadingOnceAndGivesTheReadingModeBack)
{
    const RefreshCase cases[] = {
        { InputsCheck::EspressoBoiler, { 0, 900, 0 } },
        { InputsCheck::InstantBoiler, { 901, 900, 0 } },
    };
    for (const RefreshCase& c : cases) {
        inputs().setReadingMode(4);
        QSignalSpy changed(accessor.get(), &LeaTemperature::measuresChanged);
        const int requests = inputs().refreshRequests();
        accessor->refreshMeasures();
        accessor->refreshMeasures();
        EXPECT_EQ(inputs().refreshRequests(), requests + 2);
        EXPECT_EQ(inputs().readingMode(), 1);
        EXPECT_TRUE(changed.isEmpty());

        ASSERT_TRUE(inputs().setTemperature_dC(c.boiler, 900 + c.boiler));
        const int other = c.boiler == InputsCheck::EspressoBoiler ? InputsCheck::InstantBoiler
                                                                  : InputsCheck::EspressoBoiler;
        ASSERT_TRUE(inputs().setTemperature_dC(other, 700 + c.boiler));
        ASSERT_EQ(changed.size(), 1) << c.boiler;
        EXPECT_EQ(fields(changed[0][0].value<Measures>()), fields(c.expected)) << c.boiler;
        EXPECT_EQ(inputs().readingMode(), 4) << c.boiler;
    }
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(BoilerTemperatureTest, AnAccessorGoneDuringARefreshGivesTheReadingModeBack)
{
    inputs().setReadingMode(3);
    accessor->refreshMeasures();
    accessor.reset();
    EXPECT_EQ(inputs().readingMode(), 3);
    ASSERT_TRUE(inputs().setTemperature_dC(InputsCheck::EspressoBoiler, 880));
    EXPECT_EQ(inputs().readingMode(), 3);
}

struct AverageCase
{
    int handlers;
    LeaTemperature::AverageMeasures expected;
};

// The machine's handlers hold (current, sum) = (10, 1), (20, 2), (30, 3) thousand-fold sums;
// the interface lists the second first.
TEST_F(BoilerTemperatureTest, AveragesListWhatTheMachineHasAndZerosForTheRest)
{
    const AverageCase cases[] = {
        { 3, { 20, 10, 30, 22, 11, 33 } },
        { 2, { 20, 10, 0, 22, 11, 0 } },
        { 1, { 0, 10, 0, 0, 11, 0 } },
        { 0, { 0, 0, 0, 0, 0, 0 } },
    };
    for (const AverageCase& c : cases) {
        gCoreEnv->machine()->setBoilerTemperatureAverageHandlerCount(c.handlers);
        const auto fresh = createAccessor<LeaTemperature>();
        QSignalSpy available(fresh.get(), &LeaTemperature::newAverageMeasureAvailable);
        const QList<BoilerTemperatureAverageHandler*> handlers
            = gCoreEnv->machine()->boilerTemperatureAverageHandlers();
        for (int k = 0; k < handlers.size(); ++k) {
            handlers[k]->reset(qint64(k + 1) * 1000 + 999);
            handlers[k]->addMeasure((k + 1) * 10);
        }
        EXPECT_EQ(fresh->lastMeasuresAverage(), c.expected) << c.handlers;
        EXPECT_EQ(available.size(), c.handlers);
    }
}

TEST_F(BoilerTemperatureTest, HeatingFollowsTheMachine)
{
    QSignalSpy heating(accessor.get(), &LeaTemperature::heating);
    EXPECT_FALSE(accessor->isHeating());
    gCoreEnv->machine()->setMachineHeating(true);
    gCoreEnv->machine()->setMachineHeating(true);
    EXPECT_TRUE(accessor->isHeating());
    EXPECT_EQ(heating.size(), 1);
    gCoreEnv->machine()->setMachineHeating(false);
    EXPECT_FALSE(accessor->isHeating());
}

TEST_F(BoilerTemperatureTest, ReadingIntervalsOutsideTheMachinesRangeAreRefused)
{
    using ms = std::chrono::milliseconds;
    const std::pair<long long, int> cases[]
        = { { 250, 250 }, { 0, 0 }, { std::numeric_limits<int>::max(), std::numeric_limits<int>::max() },
              { -1, 77 }, { (1LL << 32) + 5, 77 }, { std::numeric_limits<int>::max() + 1LL, 77 } };
    for (const auto& [interval, expected] : cases) {
        inputs().startReadingOnlyTemperatures(77);
        clearLog();
        accessor->startReadingOnlyTemperatures(ms(interval));
        EXPECT_EQ(inputs().temperatureReadingInterval(), expected) << interval;
        EXPECT_EQ(logEntriesContaining(QStringLiteral("Reading interval out of range")).size(),
            expected == 77 ? 1 : 0);
    }
    accessor->stopReadingTimer();
    EXPECT_EQ(inputs().temperatureReadingInterval(), 0);
}

TEST_F(BoilerTemperatureTest, SettingsRoundTripThroughAReloadAndAnnounceAChangeOnce)
{
    const auto boilers = createAccessor<lea::hardware::Boilers>();
    QSignalSpy changed(boilers.get(), &lea::hardware::Boilers::settingsChanged);
    const Settings wanted = someSettings();
    accessor->setSettings(wanted);
    EXPECT_EQ(changed.size(), 1);
    accessor->setSettings(wanted);
    EXPECT_EQ(changed.size(), 1);
    reload();
    // Still heard after the configuration was replaced, and once only.
    Settings other = wanted;
    other.espressoMinTemperature = 855;
    accessor->setSettings(other);
    EXPECT_EQ(changed.size(), 2);
    accessor->setSettings(wanted);
    EXPECT_EQ(changed.size(), 3);
    reload();
    EXPECT_EQ(fields(accessor->settings()), fields(wanted));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

struct BuildSettingsCase
{
    const char* name;
    Build build;
    int16_t espresso;
    nonstd::optional<int16_t> instant;
};

// A value for a boiler the machine lacks is neither read nor written.
TEST_F(BoilerTemperatureTest, SettingsOfMissingBoilersAreLeftAlone)
{
    const BuildSettingsCase cases[] = {
        { "no espresso boiler", { false, true, false, false }, 0, 910 },
        { "no instant temperature", { true, false, false, false }, 940, nonstd::nullopt },
        { "instant from the espresso boiler", { true, false, false, true }, 940, 910 },
    };
    for (const BuildSettingsCase& c : cases) {
        build({});
        Settings defaults = accessor->settings();
        build(c.build);
        Settings wanted = someSettings();
        accessor->setSettings(wanted);
        reload();
        const Settings read = accessor->settings();
        EXPECT_EQ(read.espressoTemperature, c.espresso) << c.name;
        EXPECT_EQ(read.instantBoilerTemperature, c.instant) << c.name;
        build({});
        const Settings all = accessor->settings();
        EXPECT_EQ(all.espressoTemperature, c.build.espresso ? 940 : defaults.espressoTemperature) << c.name;
        EXPECT_EQ(all.instantBoilerTemperature, c.instant ? 910 : defaults.instantBoilerTemperature)
            << c.name;
        // The rest of the record is written whatever the boilers.
        EXPECT_EQ(all.espressoMinTemperature, 860) << c.name;
        accessor->setSettings(defaults);
    }
}

TEST_F(BoilerTemperatureTest, WithoutBoostBlockTheBoostsStayAsTheyAre)
{
    accessor->setSettings(someSettings());
    Settings withoutBoost = someSettings();
    withoutBoost.boost = nonstd::nullopt;
    withoutBoost.espressoTemperature = 950;
    accessor->setSettings(withoutBoost);
    reload();
    const Settings read = accessor->settings();
    EXPECT_EQ(fields(read.boost), fields(someSettings().boost));
    EXPECT_EQ(read.espressoTemperature, 950);
}

struct RefusedCase
{
    const char* name;
    std::function<void(Settings&)> spoil;
    const char* exception; ///< the start of the exception's text; null when the refusal is logged
    const char* log;
};

// Nothing of a refused record reaches memory or the store, whichever field is wrong.
TEST_F(BoilerTemperatureTest, ARefusedRecordChangesNothing)
{
    const RefusedCase cases[] = {
        { "boost instant type",
            [](Settings& s) { s.boost->boostInstantType = LeaTemperature::BoostInstantType(2); },
            "Invalid external enum value 2", nullptr },
        { "boost espresso type",
            [](Settings& s) { s.boost->boostEspressoType = LeaTemperature::BoostEspressoType(-1); },
            "Invalid external enum value -1", nullptr },
        { "idle time", [](Settings& s) { s.idleTimeBeforeMaxEspressoTemperature = (int64_t(1) << 32) | 7; },
            nullptr, "Time out of range" },
        { "boost time",
            [](Settings& s) { s.boost->firstCoffeeBoostTime = int64_t(std::numeric_limits<int>::min()) - 1; },
            nullptr, "Time out of range" },
        { "espresso above its limits", [](Settings& s) { s.espressoTemperature = 1001; }, nullptr,
            "Value out of range" },
        { "instant below its limits", [](Settings& s) { s.instantBoilerTemperature = 699; }, nullptr,
            "Value out of range" },
        { "boost time above its limits", [](Settings& s) { s.boost->firstCoffeeBoostTime = 901; }, nullptr,
            "Value out of range" },
    };
    accessor->setSettings(someSettings());
    const auto boilers = createAccessor<lea::hardware::Boilers>();
    QSignalSpy changed(boilers.get(), &lea::hardware::Boilers::settingsChanged);
    for (const RefusedCase& c : cases) {
        clearLog();
        Settings spoilt = someSettings();
        spoilt.espressoTemperature = 975;
        spoilt.instantBoilerTemperature = 975;
        spoilt.espressoMinTemperature = 975;
        c.spoil(spoilt);
        const std::string thrown
            = exceptionText<std::invalid_argument>([&] { accessor->setSettings(spoilt); });
        if (c.exception)
            EXPECT_EQ(thrown.rfind(c.exception, 0), 0u) << c.name << ": " << thrown;
        else
            EXPECT_EQ(thrown, "no exception") << c.name;
        EXPECT_EQ(logEntriesContaining(QStringLiteral("out of range")).size(), c.log ? 1 : 0) << c.name;
        if (c.log) {
            EXPECT_EQ(logEntriesContaining(QLatin1String(c.log)).size(), 1) << c.name;
        }
        EXPECT_EQ(fields(accessor->settings()), fields(someSettings())) << c.name;
        reload();
        EXPECT_EQ(fields(accessor->settings()), fields(someSettings())) << c.name;
    }
    EXPECT_TRUE(changed.isEmpty());
}

// The settings are stored together: a refusal of any of them keeps all.
TEST_F(BoilerTemperatureTest, ARefusedSaveIsLoggedAndKeepsTheLoadedSettings)
{
    for (const char* key :
        { "espresso/firstCoffeeBoostTime", "instant/boilerTemperature", "machine/boostEspressoType" })
        expectRefusedSaveKeeps(
            QLatin1String(key), QStringLiteral("Failed to save boiler temperature settings"),
            [&] { accessor->setSettings(someSettings()); },
            [&] {
                return std::make_pair(fields(accessor->settings()),
                    store().contains(QStringLiteral("machine/espressoTemperature")));
            });
    EXPECT_FALSE(store().contains(QStringLiteral("machine/espressoTemperature")));
}

TEST_F(BoilerTemperatureTest, AStoredBoostTypeTheInterfaceDoesNotKnowThrowsOnReading)
{
    ASSERT_TRUE(store().setValue(QStringLiteral("machine/boostInstantType"), 5));
    reload();
    EXPECT_EQ(exceptionText<std::invalid_argument>([&] { accessor->settings(); }),
        std::string("Invalid internal enum value 5 (")
            + bridge::hardware::BoostInstantTypeEnumConverter::converter() + ")");
}

TEST_F(BoilerTemperatureTest, PressureAndTemperatureConvertBothWays)
{
    // The machine's steam curve gives 92.9 degrees at -0.284 bar and -0.5 at -4.02.
    const std::pair<float, int> toTemperature[]
        = { { 0.8f, 120 }, { 0.0f, 100 }, { -0.284f, 92 }, { -4.02f, 0 }, { 1.6f, 140 } };
    for (const auto& [pressure, expected] : toTemperature) {
        EXPECT_EQ(accessor->pressureToTemperature(pressure, true), expected) << pressure;
        EXPECT_EQ(accessor->pressureToTemperature(pressure, false), expected) << pressure;
    }
    const std::pair<int, float> toPressure[] = { { 120, 0.8f }, { 100, 0.0f }, { 140, 1.6f }, { 90, -0.4f } };
    for (const auto& [degrees, expected] : toPressure)
        EXPECT_FLOAT_EQ(accessor->temperatureToPressure(degrees), expected) << degrees;
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(BoilerTemperatureTest, APressureWithoutTemperatureInRangeIsLoggedAndGivesZero)
{
    for (const float pressure : { std::nanf(""), std::numeric_limits<float>::infinity(), 1e30f, -1e30f }) {
        clearLog();
        EXPECT_EQ(accessor->pressureToTemperature(pressure, true), 0) << pressure;
        EXPECT_EQ(logEntriesContaining(QStringLiteral("Pressure has no temperature in range")).size(), 1)
            << pressure;
    }
}

TEST_F(BoilerTemperatureTest, SteamLimitsAndBoostTypesAreFixed)
{
    EXPECT_EQ(accessor->steamBoilerTempLimits(), qMakePair(1000, 1400));
    EXPECT_EQ(accessor->availableBoostInstantTypes(),
        (std::vector<LeaTemperature::BoostInstantType> {
            LeaTemperature::NoInstantBoost, LeaTemperature::InstantBoost }));
    unloadConfiguration();
    clearLog();
    EXPECT_FALSE(accessor->steamBoilerTempLimits());
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].items.value(1), QStringLiteral("Configuration is not loaded. Operation canceled."));
    EXPECT_EQ(entries[1].level, LogLevel::Warning);
    EXPECT_EQ(entries[1].modules, QStringList { QStringLiteral("Machine") });
    EXPECT_EQ(entries[1].items.value(0),
        QStringLiteral("MachineSettings is null, can't get steam boiler temperature limits."));
}

using Temperature = bridge::hardware::BoilerTemperature;
const GuardCase<Temperature> kGuarded[] = {
    { "lastMeasures", [](Temperature& t) { return fields(t.lastMeasures()) == fields(Measures {}); } },
    { "settings", [](Temperature& t) { return fields(t.settings()) == fields(Settings {}); } },
    { "setSettings",
        [](Temperature& t) {
            t.setSettings(someSettings());
            return !gCoreEnv->configurationGroup()->settingsStore()->contains(
                QStringLiteral("machine/espressoTemperature"));
        } },
    { "pressureToTemperature", [](Temperature& t) { return t.pressureToTemperature(0.8f, true) == 0; } },
    { "temperatureToPressure", [](Temperature& t) { return t.temperatureToPressure(120) == 0.0f; } },
    { "isHeating", [](Temperature& t) { return !t.isHeating(); }, Guard::None },
    { "refreshMeasures",
        [](Temperature& t) {
            t.refreshMeasures();
            return gHardwareEnv->inputsCheck()->readingMode() == 1;
        },
        Guard::None },
    { "startReadingOnlyTemperatures",
        [](Temperature& t) {
            t.startReadingOnlyTemperatures(std::chrono::milliseconds(40));
            return gHardwareEnv->inputsCheck()->temperatureReadingInterval() == 40;
        },
        Guard::None },
    { "stopReadingTimer",
        [](Temperature& t) {
            t.stopReadingTimer();
            return gHardwareEnv->inputsCheck()->temperatureReadingInterval() == 0;
        },
        Guard::None },
    { "lastMeasuresAverage",
        [](Temperature& t) { return t.lastMeasuresAverage() == LeaTemperature::AverageMeasures {}; },
        Guard::None },
    { "availableBoostInstantTypes", [](Temperature& t) { return t.availableBoostInstantTypes().size() == 2; },
        Guard::None },
};
GUARD_TEST(BoilerTemperatureGuard, LeaTemperature, Temperature, kGuarded);

} // namespace
