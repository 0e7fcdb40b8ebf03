#include "bridge/maintenance/solidwaste.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/hardware/hardwaresettings.h"
#include "core/hardwareenvironment.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <tuple>

namespace {

using LeaSolidWaste = lea::maintenance::SolidWaste;
using SolidWaste = bridge::maintenance::SolidWaste;
using Settings = LeaSolidWaste::Settings;
using Pair = std::pair<int32_t, int32_t>;

auto fields(const Settings& s)
{
    return std::make_tuple(s.settingsInGramsOpt, s.settingsInDispensingsOpt, s.reserved);
}

const QString kGramsAssertion = "(unit() == Unit::Grams) == bool(settings.settingsInGramsOpt)";
const QString kDispensingsAssertion
    = "(unit() == Unit::Dispensings) == bool(settings.settingsInDispensingsOpt)";

class SolidWasteTest : public SettingsAccessorTest<LeaSolidWaste, SolidWaste>
{
protected:
    static void setGrams(bool grams) { gHardwareEnv->hardwareSettings()->setGrams(grams); }
    static QStringList assertionExpressions()
    {
        QStringList expressions;
        for (const LogEntry& entry : logEntries()) {
            if (entry.kind == LogEntry::Kind::Assertion)
                expressions << entry.items.value(0);
        }
        return expressions;
    }
};

TEST_F(SolidWasteTest, TheUnitAndTheFillValueFollowTheMachine)
{
    for (const bool grams : { true, false, true }) {
        setGrams(grams);
        gCoreEnv->machine()->setSolidWaste(grams ? 850 : 17);
        EXPECT_EQ(accessor->unit(), grams ? LeaSolidWaste::Grams : LeaSolidWaste::Dispensings);
        EXPECT_EQ(accessor->solidWaste(), grams ? 850 : 17);
    }
}

TEST_F(SolidWasteTest, ThresholdsAreStoredAndReadInTheMachinesUnit)
{
    const struct
    {
        bool grams;
        Settings sent;
        Settings read;
    } cases[] = {
        { true, { Pair(900, 700), {}, {} }, { Pair(900, 700), {}, {} } },
        { false, { {}, Pair(40, 35), {} }, { {}, Pair(40, 35), {} } },
        // The reserved value is ignored.
        { false, { {}, Pair(-1, 2147483647), 5 }, { {}, Pair(-1, 2147483647), {} } },
        // The thresholds are the machine's: a change of unit reads them in the other one.
        { true, { Pair(0, 0), {}, {} }, { Pair(0, 0), {}, {} } },
    };
    for (const auto& c : cases) {
        setGrams(c.grams);
        accessor->setSettings(c.sent);
        reload();
        EXPECT_EQ(fields(accessor->settings()), fields(c.read));
    }
    setGrams(false);
    EXPECT_EQ(fields(accessor->settings()), fields(Settings { {}, Pair(0, 0), {} }));
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(SolidWasteTest, PairsInTheWrongUnitAreReportedAndOnlyTheMachinesPairIsStored)
{
    const struct
    {
        const char* label;
        bool grams;
        Settings sent;
        QStringList assertions;
        bool stored;
    } cases[] = {
        { "both pairs, grams", true, { Pair(11, 12), Pair(13, 14), {} }, { kDispensingsAssertion }, true },
        { "both pairs, dispensings", false, { Pair(21, 22), Pair(23, 24), {} }, { kGramsAssertion }, true },
        { "only the other pair, grams", true, { {}, Pair(31, 32), {} },
            { kGramsAssertion, kDispensingsAssertion }, false },
        { "only the other pair, dispensings", false, { Pair(41, 42), {}, {} },
            { kGramsAssertion, kDispensingsAssertion }, false },
        { "no pair, grams", true, {}, { kGramsAssertion }, false },
        { "no pair, dispensings", false, {}, { kDispensingsAssertion }, false },
    };
    for (const auto& c : cases) {
        setGrams(c.grams);
        accessor->setSettings({ Pair(1, 2), Pair(1, 2), {} });
        clearLog();
        accessor->setSettings(c.sent);
        EXPECT_EQ(assertionExpressions(), c.assertions) << c.label;
        const auto& own = c.grams ? c.sent.settingsInGramsOpt : c.sent.settingsInDispensingsOpt;
        const Pair expected = c.stored ? *own : Pair(1, 2);
        EXPECT_EQ(logEntriesContaining("No thresholds in the machine's unit").size(), c.stored ? 0 : 1)
            << c.label;
        reload();
        const Settings read = accessor->settings();
        EXPECT_EQ(c.grams ? read.settingsInGramsOpt : read.settingsInDispensingsOpt, expected) << c.label;
    }
}

TEST_F(SolidWasteTest, ARefusedSaveKeepsTheThresholds)
{
    setGrams(true);
    accessor->setSettings({ Pair(900, 700), {}, {} });
    expectRefusedSaveKeeps(
        QStringLiteral("machine/wasteBucketWarning"), QStringLiteral("Failed to save solid waste settings"),
        [&] {
            accessor->setSettings({ Pair(500, 400), {}, {} });
        },
        [&] { return fields(accessor->settings()); });
    EXPECT_EQ(fields(accessor->settings()), fields(Settings { Pair(900, 700), {}, {} }));
}

const GuardCase<SolidWaste> kGuardTable[] = {
    { "unit", [](SolidWaste& s) { return s.unit() == LeaSolidWaste::Dispensings; }, Guard::None },
    { "settings",
        [](SolidWaste& s) {
            return fields(s.settings()) == fields(Settings { Pair(0, 0), Pair(0, 0), {} });
        } },
    { "setSettings",
        [](SolidWaste& s) {
            s.setSettings({ {}, Pair(3, 4), {} });
            return !gCoreEnv->configurationGroup()->settingsStore()->contains("machine/wasteBucketFull");
        } },
    { "solidWaste", [](SolidWaste& s) { return s.solidWaste() == 0; }, Guard::None },
};
GUARD_TEST(SolidWasteGuardTest, LeaSolidWaste, SolidWaste, kGuardTable);

} // namespace
