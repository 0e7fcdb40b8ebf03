#include "bridge/interface/energysaving.h"
#include "bridge/interface/energysavingparameterslimits.h"
#include "core/configuration/configuration.h"
#include "core/configuration/energysavingsettings.h"
#include "core/configuration/timebanddatasettings.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/parameters/parameterslimits.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <functional>
#include <QSignalSpy>

namespace {

using LeaEnergySaving = lea::interface::EnergySaving;
using EnergySaving = bridge::interface::EnergySaving;
using Settings = LeaEnergySaving::Settings;

const GuardCase<EnergySaving> kEnergySavingGuards[] = {
    { "settings", [](EnergySaving& a) { return !a.settings(); } },
    { "setSettings",
        [](EnergySaving& a) {
            a.setSettings(Settings {});
            return true;
        } },
    { "energySavingSettingsEnabled", [](EnergySaving& a) { return !a.energySavingSettingsEnabled(); } },
    { "setEnergySavingSettingsEnabled",
        [](EnergySaving& a) {
            a.setEnergySavingSettingsEnabled(true);
            return true;
        } },
    { "currentMode", [](EnergySaving& a) { return a.currentMode() == LeaEnergySaving::Normal; },
        Guard::None },
    { "availableBrightnessTypes", [](EnergySaving& a) { return a.availableBrightnessTypes().size() == 2; },
        Guard::None },
    { "askExit",
        [](EnergySaving& a) {
            a.askExit();
            return a.currentMode() == LeaEnergySaving::Normal;
        },
        Guard::None },
    { "selfModeSalesLimits", [](EnergySaving& a) { return !a.selfModeSalesLimits(); }, Guard::Unsupported },
};
GUARD_TEST(EnergySavingGuard, LeaEnergySaving, EnergySaving, kEnergySavingGuards);

/// A record with every field the accessor fills set apart from the defaults.
Settings sampleSettings()
{
    Settings settings;
    settings.timeToSoftMode = 15;
    settings.wakeUpTimeFromDeepMode = 4;
    settings.softMode = { 880, 720, false, LeaEnergySaving::BrightnessHigh };
    settings.deepMode = { 610, 505, true, LeaEnergySaving::BrightnessMedium };
    settings.states = { { LeaEnergySaving::DeepMode, Qt::Friday, QTime(22, 30) },
        { LeaEnergySaving::Normal, Qt::Monday, QTime(6, 0) } };
    return settings;
}

bool sameMode(const LeaEnergySaving::ModeSettings& a, const LeaEnergySaving::ModeSettings& b)
{
    return a.boiler0Temperature == b.boiler0Temperature && a.boiler1Temperature == b.boiler1Temperature
        && a.lightEnabled == b.lightEnabled && a.brightness == b.brightness;
}

bool sameSettings(const Settings& a, const Settings& b)
{
    const auto sameState = [](const LeaEnergySaving::State& x, const LeaEnergySaving::State& y) {
        return x.mode == y.mode && x.day == y.day && x.time == y.time;
    };
    return a.timeToSoftMode == b.timeToSoftMode && a.wakeUpTimeFromDeepMode == b.wakeUpTimeFromDeepMode
        && sameMode(a.softMode, b.softMode) && sameMode(a.deepMode, b.deepMode)
        && std::equal(a.states.begin(), a.states.end(), b.states.begin(), b.states.end(), sameState)
        && !a.steamBoilerPressure && !a.selfMode;
}

class EnergySavingTest : public SettingsAccessorTest<LeaEnergySaving, EnergySaving>
{
protected:
    EnergySavingSettings& core() const { return *gCoreEnv->configuration()->energySavingSettings(); }
};

TEST_F(EnergySavingTest, SettingsRoundTripTwiceWithoutGrowingTheSchedule)
{
    QSignalSpy changed(accessor.get(), &LeaEnergySaving::settingsChanged);
    accessor->setSettings(sampleSettings());
    accessor->setSettings(accessor->settings());
    EXPECT_EQ(changed.count(), 2);
    reload();
    const nonstd::optional<Settings> read = accessor->settings();
    ASSERT_TRUE(read);
    EXPECT_TRUE(sameSettings(*read, sampleSettings()));
    // Interface mode Normal is stored as the core's "no saving".
    ASSERT_EQ(core().states().size(), 2);
    EXPECT_EQ(core().states()[1]->band(), EnergySavingSettings::NoSaving);
    EXPECT_TRUE(logEntriesContaining(QStringLiteral("Failed")).isEmpty());
}

TEST_F(EnergySavingTest, AScheduledOnSwitchReadsAsNormal)
{
    core().addState(new TimeBandDataSettings(QTime(7, 0), Qt::Tuesday, EnergySavingSettings::ScheduledOn));
    const nonstd::optional<Settings> read = accessor->settings();
    ASSERT_TRUE(read);
    ASSERT_EQ(read->states.size(), 1u);
    EXPECT_EQ(read->states[0].mode, LeaEnergySaving::Normal);
}

// Records the core cannot take: each is refused whole, before anything changes.
struct BadRecord
{
    const char* name;
    std::function<void(Settings&)> spoil;
};

class EnergySavingBadRecordTest : public EnergySavingTest, public ::testing::WithParamInterface<BadRecord>
{
};

TEST_P(EnergySavingBadRecordTest, ThrowsAndChangesNothing)
{
    accessor->setSettings(sampleSettings());
    const quint32 writes = databaseChangeCounter();
    Settings spoilt = sampleSettings();
    spoilt.timeToSoftMode = 99;
    spoilt.states.push_back({ LeaEnergySaving::SoftMode, Qt::Sunday, QTime(1, 0) });
    GetParam().spoil(spoilt);
    EXPECT_THROW(accessor->setSettings(spoilt), std::invalid_argument);
    EXPECT_TRUE(sameSettings(*accessor->settings(), sampleSettings()));
    EXPECT_EQ(databaseChangeCounter(), writes);
}

INSTANTIATE_TEST_SUITE_P(Records, EnergySavingBadRecordTest,
    ::testing::Values(BadRecord { "SoftBrightness",
                          [](Settings& s) { s.softMode.brightness = LeaEnergySaving::Brightness(3); } },
        BadRecord {
            "DeepBrightness", [](Settings& s) { s.deepMode.brightness = LeaEnergySaving::Brightness(-1); } },
        BadRecord { "ScheduleMode", [](Settings& s) { s.states.back().mode = LeaEnergySaving::Mode(5); } },
        BadRecord { "TimeBeyond32Bits", [](Settings& s) { s.wakeUpTimeFromDeepMode = int64_t(1) << 32; } }),
    caseName<BadRecord>);

TEST_F(EnergySavingTest, ARefusedSaveLeavesTheLoadedSettingsAsTheyWere)
{
    accessor->setSettings(sampleSettings());
    accessor->setEnergySavingSettingsEnabled(true);
    refuseSetting(QStringLiteral("energySaving/schedule"));
    QSignalSpy changed(accessor.get(), &LeaEnergySaving::settingsChanged);
    clearLog();
    Settings other = sampleSettings();
    other.timeToSoftMode = 60;
    other.softMode.lightEnabled = true;
    other.states.pop_back();
    accessor->setSettings(other);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(sameSettings(*accessor->settings(), sampleSettings()));
    EXPECT_TRUE(accessor->energySavingSettingsEnabled());
    EXPECT_FALSE(logEntriesContaining(QStringLiteral("Failed saving energy-saving settings")).isEmpty());
    reload();
    EXPECT_TRUE(sameSettings(*accessor->settings(), sampleSettings()));
}

TEST_F(EnergySavingTest, EmptySettingsAndTheEnableFlagStoreNothing)
{
    const quint32 writes = databaseChangeCounter();
    accessor->setSettings(nonstd::nullopt);
    accessor->setEnergySavingSettingsEnabled(true);
    EXPECT_TRUE(accessor->energySavingSettingsEnabled());
    EXPECT_EQ(databaseChangeCounter(), writes);
    reload();
    EXPECT_FALSE(accessor->energySavingSettingsEnabled());
}

TEST_F(EnergySavingTest, SettingsChangedFollowsTheReplacedConfiguration)
{
    reload();
    QSignalSpy changed(accessor.get(), &LeaEnergySaving::settingsChanged);
    EXPECT_TRUE(gCoreEnv->configuration()->saveEnergySavingSettings());
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(EnergySavingTest, TheModeFollowsTheTimerThroughSoftAndDeepModeAndBackOnAWakeUp)
{
    Settings settings = sampleSettings();
    settings.timeToSoftMode = 10;
    settings.wakeUpTimeFromDeepMode = 5;
    accessor->setSettings(settings);
    accessor->setEnergySavingSettingsEnabled(true);
    MachineClock& clock = *gCoreEnv->clock();
    clock.setSimulatedTime(QDateTime(QDate(2026, 5, 4), QTime(9, 0), Qt::UTC));
    accessor->askExit();
    QSignalSpy state(accessor.get(), &LeaEnergySaving::stateChanged);
    QSignalSpy started(accessor.get(), &LeaEnergySaving::started);
    QSignalSpy finished(accessor.get(), &LeaEnergySaving::finished);

    const struct
    {
        int minutes; // moved on before the check; -1 wakes the machine instead
        LeaEnergySaving::Mode mode;
    } steps[] = {
        { 9, LeaEnergySaving::Normal },
        { 1, LeaEnergySaving::SoftMode },
        { 10, LeaEnergySaving::DeepMode },
        { -1, LeaEnergySaving::WakingUp },
        { 4, LeaEnergySaving::WakingUp },
        { 1, LeaEnergySaving::Normal },
        { 9, LeaEnergySaving::Normal },
    };
    for (const auto& step : steps) {
        if (step.minutes < 0)
            accessor->askExit();
        else
            clock.advanceSeconds(step.minutes * 60);
        EXPECT_EQ(accessor->currentMode(), step.mode) << step.minutes;
    }
    EXPECT_EQ(state.count(), 4);
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(EnergySavingTest, AMachineEnteringAModeHasNoInterfaceMode)
{
    gCoreEnv->machine()->setEnergyMode(EnergySavingSettings::Entering);
    EXPECT_THROW(accessor->currentMode(), std::invalid_argument);
}

using Limits = lea::interface::EnergySavingParametersLimits::Limits;
using LimitsAccessor = bridge::interface::EnergySavingParametersLimits;
using LimitsMap = QMap<QString, QVariant>;

// One limit operation, the machine's limit it reads (if any), and the fixed range it gives otherwise.
struct LimitCase
{
    const char* name;
    Limits (LimitsAccessor::*operation)() const;
    void (Parameters::ParametersLimits::*setMachineLimit)(const LimitsMap&);
    Limits fixed;
};

class EnergySavingLimitsTest : public MachineTest, public ::testing::WithParamInterface<LimitCase>
{
};

TEST_P(EnergySavingLimitsTest, GivesTheMachinesRangeOnlyWithBothEnds)
{
    const LimitCase& entry = GetParam();
    const std::unique_ptr<LimitsAccessor> accessor
        = createAccessor<lea::interface::EnergySavingParametersLimits, LimitsAccessor>();
    ASSERT_TRUE(accessor);
    Parameters::ParametersLimits* parameters = Parameters::ParametersLimits::instance();
    ASSERT_TRUE(parameters);
    if (!entry.setMachineLimit) {
        EXPECT_EQ(((*accessor).*entry.operation)(), entry.fixed);
        return;
    }
    const QString min = QStringLiteral("min");
    const QString max = QStringLiteral("max");
    const struct
    {
        LimitsMap map;
        Limits expected;
    } rows[] = {
        { { { min, 150 }, { max, 930 } }, QPair<int, int>(150, 930) },
        { { { min, 150 } }, Limits {} },
        { { { max, 930 } }, Limits {} },
        { { { min, QStringLiteral("warm") }, { max, 930 } }, Limits {} },
    };
    for (const auto& row : rows) {
        (parameters->*entry.setMachineLimit)(row.map);
        EXPECT_EQ(((*accessor).*entry.operation)(), row.expected) << row.map.size();
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, EnergySavingLimitsTest,
    ::testing::Values(LimitCase { "timeBeforeSoftMode", &LimitsAccessor::timeBeforeSoftMode, nullptr,
                          QPair<int, int>(1, 120) },
        LimitCase {
            "wakeUpTimeDeepMode", &LimitsAccessor::wakeUpTimeDeepMode, nullptr, QPair<int, int>(0, 30) },
        LimitCase { "espressoBoilerTempSoftMode", &LimitsAccessor::espressoBoilerTempSoftMode,
            &Parameters::ParametersLimits::setEspressoBoilerTempSoftMode_dC, {} },
        LimitCase { "instantBoilerTempSoftMode", &LimitsAccessor::instantBoilerTempSoftMode,
            &Parameters::ParametersLimits::setInstantBoilerTempSoftMode_dC, {} },
        LimitCase { "espressoBoilerTempDeepMode", &LimitsAccessor::espressoBoilerTempDeepMode,
            &Parameters::ParametersLimits::setEspressoBoilerTempDeepMode_dC, {} },
        LimitCase { "instantBoilerTempDeepMode", &LimitsAccessor::instantBoilerTempDeepMode,
            &Parameters::ParametersLimits::setInstantBoilerTempDeepMode_dC, {} },
        LimitCase {
            "steamBoilerPressureSoftMode", &LimitsAccessor::steamBoilerPressureSoftMode, nullptr, {} },
        LimitCase {
            "steamBoilerPressureDeepMode", &LimitsAccessor::steamBoilerPressureDeepMode, nullptr, {} },
        LimitCase {
            "salesThresholdValueSelfMode", &LimitsAccessor::salesThresholdValueSelfMode, nullptr, {} },
        LimitCase { "wakeUpTimeFromOff", &LimitsAccessor::wakeUpTimeFromOff, nullptr, {} }),
    caseName<LimitCase>);

} // namespace
