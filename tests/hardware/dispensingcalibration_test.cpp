#include "bridge/hardware/dispensingcalibration.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "core/machine/physicalmachine.h"
#include "support/cataloguetest.h"
#include "support/erogationrequests.h"
#include "support/guardtest.h"

#include <functional>
#include <stdexcept>

namespace {

using LeaCalibration = lea::hardware::DispensingCalibration;
using Calibration = bridge::hardware::DispensingCalibration;
using Ingredient = lea::products::Canisters::LogicalIngredient;
using TestType = LeaCalibration::DispensingTestType;

// Interface ingredients whose core partners are coffee beans (1), milk powder
// (4) and sugar (7); the machine below has places for the first two only.
constexpr Ingredient kCoffeeBeans = lea::products::Canisters::Ingredient7;
constexpr Ingredient kMilkPowder = lea::products::Canisters::Ingredient20;
constexpr Ingredient kSugar = lea::products::Canisters::Ingredient6;
// An interface ingredient without core partner.
constexpr Ingredient kUnconvertible = lea::products::Canisters::Ingredient36;

ErogationManager& erogationManager()
{
    return *gCoreEnv->machine()->erogationManager();
}

class DispensingCalibrationTest : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        configuration().physicalMachine()->addCanister(Canister::CoffeeBeans);
        configuration().physicalMachine()->addCanister(Canister::MilkPowder);
        calibration = createAccessor<LeaCalibration, Calibration>();
        ASSERT_TRUE(calibration);
    }

    lea::RecipeDbId espresso() const { return lea::RecipeDbId(unsigned(ids.espresso)); }

    std::unique_ptr<Calibration> calibration;
};

// One operation, the call that must reach the dispensing manager, whether it
// answers with the manager's result and whether it needs the actuator board.
struct Forwarded
{
    const char* name;
    std::function<bool(Calibration&, lea::RecipeDbId espresso)> call;
    QString expected;
    bool returnsResult = false;
    bool needsBoard = false;
};

const Forwarded kForwarded[] = {
    { "testEspressoGroup", [](Calibration& c, auto) { return c.testEspressoGroup(), true; },
        "testEspressoGroup(true, true, 0, false)" },
    { "testTeaBrewer", [](Calibration& c, auto) { return c.testTeaBrewer(), true; }, "testTeaBrewer(0)" },
    { "runFlowMeterCalibration", [](Calibration& c, auto) { return c.runFlowMeterCalibration(), true; },
        "flowMeterCalibration()" },
    { "setFlowMeterCalibrationValue",
        [](Calibration& c, auto) { return c.setFlowMeterCalibrationValue(275), true; },
        "inputNewFlowMeterCalibration(275)" },
    { "runHighSpeedPumpCalibration",
        [](Calibration& c, auto) { return c.runHighSpeedPumpCalibration(), true; },
        "calibratePump(true, false)", false, true },
    { "runLowSpeedPumpCalibration", [](Calibration& c, auto) { return c.runLowSpeedPumpCalibration(), true; },
        "calibratePump(false, false)", false, true },
    { "dispenseTestRecipe",
        [](Calibration& c, lea::RecipeDbId espresso) {
            return c.dispenseTestRecipe(static_cast<TestType>(3), espresso);
        },
        "erogateTestRecipeOfType(%1, 3)", true },
    { "runLowSpeedCanisterCalibration",
        [](Calibration& c, auto) { return c.runLowSpeedCanisterCalibration(kCoffeeBeans); },
        "calibrateCanister(1, false)", true },
    { "runHighSpeedCanisterCalibration",
        [](Calibration& c, auto) { return c.runHighSpeedCanisterCalibration(kMilkPowder); },
        "calibrateCanister(4, true)", true },
    { "runGrinderVolumetricCalibration",
        [](Calibration& c, auto) { return c.runGrinderVolumetricCalibration(kCoffeeBeans, 12); },
        "startGrinderCalibrationVolumetric(1, 12, 10)", true },
};

class CalibrationForwardedTest : public DispensingCalibrationTest,
                                 public ::testing::WithParamInterface<Forwarded>
{
protected:
    QStringList expected() const
    {
        const QString call = GetParam().expected;
        return { call.contains(QLatin1String("%1")) ? call.arg(ids.espresso) : call };
    }
};

TEST_P(CalibrationForwardedTest, ReachesTheDispensingManagerWithTheConvertedArguments)
{
    EXPECT_TRUE(GetParam().call(*calibration, espresso()));
    EXPECT_EQ(erogationRequests(), expected());
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_P(CalibrationForwardedTest, ABusyMachineRefusesWhatAnswers)
{
    erogationManager().setErogationStatus(ErogationManager::InProgress);
    EXPECT_EQ(GetParam().call(*calibration, espresso()), !GetParam().returnsResult);
    EXPECT_EQ(erogationRequests(), GetParam().returnsResult ? QStringList {} : expected());
}

TEST_P(CalibrationForwardedTest, WithASimulatedActuatorBoardOnlyPumpCalibrationsAreLeftOut)
{
    gCoreEnv->setSimulatingActuatorBoard(true);
    EXPECT_TRUE(GetParam().call(*calibration, espresso()));
    EXPECT_EQ(erogationRequests(), GetParam().needsBoard ? QStringList {} : expected());
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CalibrationForwardedTest, ::testing::ValuesIn(kForwarded), caseName<Forwarded>);

// Requests that never reach the manager: false, or the converter's exception.
struct Refused
{
    const char* name;
    std::function<bool(Calibration&, lea::RecipeDbId espresso)> call;
    const char* logged = nullptr; ///< a warning that says why, or an exception's start when `throws`
    bool throws = false;
};

const Refused kRefused[] = {
    { "LowSpeedWithoutCanister",
        [](Calibration& c, auto) { return c.runLowSpeedCanisterCalibration(kSugar); },
        "no canister for ingredient 6" },
    { "HighSpeedWithoutCanister",
        [](Calibration& c, auto) { return c.runHighSpeedCanisterCalibration(kSugar); },
        "no canister for ingredient 6" },
    { "GrinderWithoutCanister",
        [](Calibration& c, auto) { return c.runGrinderVolumetricCalibration(kSugar, 3); },
        "no canister for ingredient 6" },
    // The recipe is looked up first: an unknown one leaves the type unconverted.
    { "UnknownRecipeWithUnconvertibleType",
        [](Calibration& c, auto) {
            return c.dispenseTestRecipe(static_cast<TestType>(99), lea::RecipeDbId(9999));
        } },
    { "RecipeIdBeyondTheCoreRange",
        [](Calibration& c, auto) {
            return c.dispenseTestRecipe(static_cast<TestType>(0), lea::RecipeDbId(~0u));
        } },
    { "UnconvertibleType",
        [](Calibration& c, lea::RecipeDbId espresso) {
            return c.dispenseTestRecipe(static_cast<TestType>(5), espresso);
        },
        "Invalid external enum value 5 (", true },
    { "UnconvertibleLowSpeedIngredient",
        [](Calibration& c, auto) { return c.runLowSpeedCanisterCalibration(kUnconvertible); },
        "Invalid external enum value 36 (", true },
    { "UnconvertibleHighSpeedIngredient",
        [](Calibration& c, auto) { return c.runHighSpeedCanisterCalibration(kUnconvertible); },
        "Invalid external enum value 36 (", true },
    { "UnconvertibleGrinderIngredient",
        [](Calibration& c, auto) { return c.runGrinderVolumetricCalibration(kUnconvertible, 3); },
        "Invalid external enum value 36 (", true },
};

class CalibrationRefusedTest : public DispensingCalibrationTest, public ::testing::WithParamInterface<Refused>
{
};

TEST_P(CalibrationRefusedTest, NeverReachesTheDispensingManager)
{
    const Refused& entry = GetParam();
    if (entry.throws) {
        const std::string text
            = exceptionText<std::invalid_argument>([&] { entry.call(*calibration, espresso()); });
        EXPECT_EQ(text.rfind(entry.logged, 0), 0u) << text;
        EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
    } else {
        EXPECT_FALSE(entry.call(*calibration, espresso()));
        if (entry.logged) {
            ASSERT_EQ(logEntries().size(), 1);
            EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);
            EXPECT_TRUE(logEntries()[0].text.contains(QLatin1String(entry.logged)))
                << qPrintable(logEntries()[0].text);
        } else {
            EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
        }
    }
    EXPECT_EQ(erogationRequests(), QStringList {});
}

INSTANTIATE_TEST_SUITE_P(Requests, CalibrationRefusedTest, ::testing::ValuesIn(kRefused), caseName<Refused>);

// Without a configuration the catalogue's operations give false; the others
// still reach the manager.
bool reached(const QString& call)
{
    return erogationRequests() == QStringList { call };
}

const GuardCase<Calibration> kGuarded[] = {
    { "testEspressoGroup",
        [](Calibration& c) {
            return c.testEspressoGroup(), reached("testEspressoGroup(true, true, 0, false)");
        },
        Guard::None },
    { "testTeaBrewer", [](Calibration& c) { return c.testTeaBrewer(), reached("testTeaBrewer(0)"); },
        Guard::None },
    { "runFlowMeterCalibration",
        [](Calibration& c) { return c.runFlowMeterCalibration(), reached("flowMeterCalibration()"); },
        Guard::None },
    { "flowMeterCalibrationRange",
        [](Calibration& c) { return c.flowMeterCalibrationRange() == std::make_pair(100, 300); },
        Guard::None },
    { "setFlowMeterCalibrationValue",
        [](Calibration& c) {
            return c.setFlowMeterCalibrationValue(-4), reached("inputNewFlowMeterCalibration(-4)");
        },
        Guard::None },
    { "runHighSpeedPumpCalibration",
        [](Calibration& c) { return c.runHighSpeedPumpCalibration(), reached("calibratePump(true, false)"); },
        Guard::None },
    { "runLowSpeedPumpCalibration",
        [](Calibration& c) { return c.runLowSpeedPumpCalibration(), reached("calibratePump(false, false)"); },
        Guard::None },
    { "dispenseTestRecipe",
        [](Calibration& c) {
            return !c.dispenseTestRecipe(static_cast<TestType>(0), lea::RecipeDbId(1))
                && erogationRequests().isEmpty();
        } },
    { "runLowSpeedCanisterCalibration",
        [](Calibration& c) {
            return !c.runLowSpeedCanisterCalibration(kCoffeeBeans) && erogationRequests().isEmpty();
        } },
    { "runHighSpeedCanisterCalibration",
        [](Calibration& c) {
            return !c.runHighSpeedCanisterCalibration(kCoffeeBeans) && erogationRequests().isEmpty();
        } },
    { "runGrinderVolumetricCalibration",
        [](Calibration& c) {
            return !c.runGrinderVolumetricCalibration(kCoffeeBeans, 2) && erogationRequests().isEmpty();
        } },
};
GUARD_TEST(DispensingCalibrationGuard, LeaCalibration, Calibration, kGuarded);

} // namespace
