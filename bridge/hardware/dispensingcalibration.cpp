#include "bridge/hardware/dispensingcalibration.h"

#include "bridge/hardware/dispensingtesttypeenumconverter.h"
#include "bridge/products/cataloguelookup.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "core/machine/physicalmachine.h"

namespace bridge {
namespace hardware {

namespace {

ErogationManager& erogationManager()
{
    return *gCoreEnv->machine()->erogationManager();
}

// The canister place of the ingredient in the loaded configuration, or null,
// logged for `signature`: the dispensing manager is never handed a missing canister.
const PhysicalMachine::PhysicalCanister* physicalCanister(
    lea::products::Canisters::LogicalIngredient ingredient, const char* signature)
{
    const Configuration* configuration = utils::loadedConfiguration(signature);
    if (!configuration)
        return nullptr;
    const Canister::LogicalCanisterId logicalId
        = products::LogicalIngredientEnumConverter::toInternalOrThrow(ingredient);
    const PhysicalMachine* machine = configuration->physicalMachine();
    const PhysicalMachine::PhysicalCanister* canister
        = machine ? machine->canisterByType(logicalId) : nullptr;
    if (!canister) {
        LogFormatter(LogLevel::Warning).log(Log::Calibration)
            << signature << "Calibration not started: the machine has no canister for ingredient"
            << int(ingredient);
    }
    return canister;
}

} // namespace

DispensingCalibration::DispensingCalibration(QObject* parent)
    : lea::hardware::DispensingCalibration(parent)
{
}

DispensingCalibration::~DispensingCalibration() = default;

void DispensingCalibration::testEspressoGroup()
{
    erogationManager().testEspressoGroup(true, true, 0, false);
}

void DispensingCalibration::testTeaBrewer()
{
    erogationManager().testTeaBrewer(0);
}

void DispensingCalibration::runFlowMeterCalibration()
{
    erogationManager().flowMeterCalibration();
}

std::pair<int, int> DispensingCalibration::flowMeterCalibrationRange() const
{
    return { 100, 300 };
}

void DispensingCalibration::setFlowMeterCalibrationValue(int value) const
{
    erogationManager().inputNewFlowMeterCalibration(value);
}

void DispensingCalibration::runHighSpeedPumpCalibration()
{
    if (!gCoreEnv->isSimulatingActuatorBoard())
        erogationManager().calibratePump(true, false);
}

void DispensingCalibration::runLowSpeedPumpCalibration()
{
    if (!gCoreEnv->isSimulatingActuatorBoard())
        erogationManager().calibratePump(false, false);
}

bool DispensingCalibration::dispenseTestRecipe(DispensingTestType type, const lea::RecipeDbId& recipeId)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return false;
    ::Recipe* recipe = products::lookup::recipe(*configuration, recipeId);
    if (!recipe)
        return false;
    return erogationManager().erogateTestRecipeOfType(
        recipe, DispensingTestTypeEnumConverter::toInternalOrThrow(type));
}

bool DispensingCalibration::runLowSpeedCanisterCalibration(
    lea::products::Canisters::LogicalIngredient ingredient)
{
    const PhysicalMachine::PhysicalCanister* canister = physicalCanister(ingredient, Q_FUNC_INFO);
    return canister && erogationManager().calibrateCanister(canister, false);
}

bool DispensingCalibration::runHighSpeedCanisterCalibration(
    lea::products::Canisters::LogicalIngredient ingredient)
{
    const PhysicalMachine::PhysicalCanister* canister = physicalCanister(ingredient, Q_FUNC_INFO);
    return canister && erogationManager().calibrateCanister(canister, true);
}

bool DispensingCalibration::runGrinderVolumetricCalibration(
    lea::products::Canisters::LogicalIngredient ingredient, int count)
{
    const PhysicalMachine::PhysicalCanister* canister = physicalCanister(ingredient, Q_FUNC_INFO);
    return canister
        && erogationManager().startGrinderCalibrationVolumetric(
            canister, count, AbstractErogationProtocol::GrinderCalibrationErogation);
}

} // namespace hardware
} // namespace bridge
