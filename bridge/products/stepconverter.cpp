#include "bridge/products/stepconverter.h"

#include "bridge/products/ingredientconverter.h"
#include "bridge/products/mixerspeedenumconverter.h"
#include "bridge/products/pressurecurrentenumconverter.h"
#include "bridge/products/steptypeenumconverter.h"
#include "bridge/products/watertypeenumconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/drysugarpreparationstep.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantpreparationstep.h"
#include "core/catalogue/syruppreparationstep.h"
#include "core/catalogue/teapreparationstep.h"
#include "core/catalogue/wateronlypreparationstep.h"
#include "core/log/logformatter.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace bridge {
namespace products {

namespace {

// The interface counts the water speed in tens of core units.
constexpr int kSpeedUnitsPerStep = 10;

int coreWaterSpeed(int32_t waterSpeed)
{
    const int64_t speed = int64_t(waterSpeed) * kSpeedUnitsPerStep;
    return static_cast<int>(
        std::clamp<int64_t>(speed, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool isDefaultDoseUnit(const QString& unit)
{
    return unit.isEmpty()
        || unit == AbstractPreparationStep::doseUnityToString(AbstractPreparationStep::Millilitres);
}

} // namespace

StepConverter::Step StepConverter::coreStepToLeaStep(const AbstractPreparationStep& step)
{
    Step record;
    record.waterType = WaterTypeEnumConverter::toExternalOrThrow(step.waterType());
    record.auxiliaryValue = step.startDelayCS();
    record.type = StepTypeEnumConverter::toExternalOrThrow(step.type());
    record.description = step.description();
    record.extraText = step.extraText();

    // A stopped pump (0 or below) reads as speed 0.
    const int speed = step.water().speed();
    record.waterSpeed = (speed > 0 ? speed : 1) / kSpeedUnitsPerStep;
    record.waterDose = step.water().dose();
    record.stepDose = step.dose();
    record.waterDoseUnit = AbstractPreparationStep::doseUnityToString(step.doseUnity());

    // Only the plain espresso step shows its brewing settings.
    if (step.type() == AbstractPreparationStep::EspressoStep) {
        if (const auto* espresso = qobject_cast<const EspressoPreparationStep*>(&step)) {
            record.preInfusionDose = espresso->preInfusionDose();
            record.preInfusionTime = espresso->preInfusionTime();
            record.squeezeEnabled = espresso->squeezeEnabled();
            record.pressureCurrent
                = PressureCurrentEnumConverter::toExternalOrThrow(espresso->pressureCurrent());
        }
    }

    for (const AbstractIngredient* ingredient : step.ingredientsConst())
        record.ingredients.push_back(utils::idFromCore<lea::RecipeStepIngredientDbId>(ingredient->dbId()));

    if (const auto* instant = qobject_cast<const InstantPreparationStep*>(&step))
        record.mixer = Step::Mixer { MixerSpeedEnumConverter::toExternalOrThrow(instant->mixerSpeed()),
            instant->mixerAbsoluteMixTime() };
    return record;
}

void StepConverter::updateCoreStepFromLeaStep(AbstractPreparationStep& step, const Step& record)
{
    auto* instant = qobject_cast<InstantPreparationStep*>(&step);
    auto* espresso = qobject_cast<EspressoPreparationStep*>(&step);

    // The conversions come first, so that a record that does not convert changes nothing.
    nonstd::optional<InstantPreparationStep::MixerSpeed> mixerSpeed;
    if (record.mixer && instant)
        mixerSpeed = MixerSpeedEnumConverter::toInternalOrThrow(record.mixer->speed);
    nonstd::optional<EspressoPreparationStep::CurrentValue> pressureCurrent;
    if (record.pressureCurrent && espresso)
        pressureCurrent = PressureCurrentEnumConverter::toInternalOrThrow(*record.pressureCurrent);
    utils::requireStorableText(record.description);
    utils::requireStorableText(record.extraText);

    step.setDescription(record.description);
    step.setExtraText(record.extraText);

    // The step converts a dose in the default unit itself.
    if (isDefaultDoseUnit(record.waterDoseUnit))
        step.setDose(record.waterDose);
    else
        step.water().setDose(record.waterDose);
    step.water().setSpeed(coreWaterSpeed(record.waterSpeed));

    if (record.mixer) {
        if (instant) {
            instant->setMixerSpeed(*mixerSpeed);
            instant->setMixerAbsoluteMixTime(record.mixer->absoluteMixTime);
        } else {
            LogFormatter(LogLevel::Warning).log(Log::Recipe)
                << __PRETTY_FUNCTION__ << " mixer settings can only be set on instant steps.";
        }
    }

    if (espresso) {
        if (record.preInfusionDose)
            espresso->setPreInfusionDose(*record.preInfusionDose);
        if (record.preInfusionTime)
            espresso->setPreInfusionTime(static_cast<int>(*record.preInfusionTime));
        if (record.squeezeEnabled)
            espresso->setSqueezeEnabled(*record.squeezeEnabled);
        if (pressureCurrent)
            espresso->setPressureCurrent(*pressureCurrent);
    }
}

std::unique_ptr<AbstractPreparationStep> StepConverter::leaStepToCoreStep(
    const lea::products::FlatRecipes::Step& record)
{
    std::unique_ptr<AbstractPreparationStep> step
        = newCoreStep(StepTypeEnumConverter::toInternalOrThrow(record.type));
    if (!step)
        return nullptr;
    updateCoreStepFromLeaStep(*step, record);

    int temporaryId = -1;
    for (const lea::products::Recipes::Ingredient& ingredientRecord : record.ingredients) {
        std::unique_ptr<AbstractIngredient> ingredient
            = IngredientConverter::leaIngredientToCoreIngredient(ingredientRecord);
        if (!ingredient)
            return nullptr;
        ingredient->setDbId(temporaryId);
        if (step->addIngredient(ingredient.get())) {
            ingredient.release();
            --temporaryId;
        }
    }
    return step;
}

std::unique_ptr<AbstractPreparationStep> StepConverter::newCoreStep(
    AbstractPreparationStep::PreparationStepType type)
{
    switch (type) {
    case AbstractPreparationStep::DrySugarStep:
        return std::make_unique<DrySugarPreparationStep>();
    case AbstractPreparationStep::EspressoStep:
    case AbstractPreparationStep::LongEspressoStep:
    case AbstractPreparationStep::ShortEspressoStep:
        return std::make_unique<EspressoPreparationStep>(type);
    case AbstractPreparationStep::InstantStep:
        return std::make_unique<InstantPreparationStep>();
    case AbstractPreparationStep::WaterOnlyStep:
        return std::make_unique<WaterOnlyPreparationStep>();
    case AbstractPreparationStep::TeaStep:
        return std::make_unique<TeapreparationStep>();
    case AbstractPreparationStep::SyrupStep:
        return std::make_unique<SyrupPreparationStep>();
    default:
        return nullptr;
    }
}

} // namespace products
} // namespace bridge
