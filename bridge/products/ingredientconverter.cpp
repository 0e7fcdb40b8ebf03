#include "bridge/products/ingredientconverter.h"

#include "bridge/products/ingredienttypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/powdercycleenumconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/drysugaringredient.h"
#include "core/catalogue/espressoingredient.h"
#include "core/catalogue/instantingredient.h"
#include "core/catalogue/syrupingredient.h"
#include "core/configuration/configuration.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace bridge {
namespace products {

namespace {

// Truncates toward zero; values beyond the 32-bit range saturate.
int32_t truncatedDose(double dose)
{
    if (std::isnan(dose))
        return 0;
    constexpr double lowest = std::numeric_limits<int32_t>::min();
    constexpr double highest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::trunc(std::clamp(dose, lowest, highest)));
}

// Within [calibrationMin, calibrationMax], compared as unsigned values.
int clampedPowderSpeed(int32_t requested, const Canister& canister)
{
    const auto speed = static_cast<uint32_t>(requested);
    const auto minimum = static_cast<uint32_t>(canister.calibrationMin());
    const auto maximum = static_cast<uint32_t>(canister.calibrationMax());
    return static_cast<int>(std::max(std::min(speed, maximum), minimum));
}

} // namespace

IngredientConverter::Ingredient IngredientConverter::coreIngredientToLeaIngredient(
    const AbstractIngredient& ingredient, const AbstractPreparationStep& owningStep)
{
    Ingredient record;
    record.nameKey = Canister::logicalIdToTranslationKey(ingredient.logicalCanisterId());
    const Canister* canister = ingredient.canister();
    record.canisterName = canister ? canister->name() : QString();
    record.type = IngredientTypeEnumConverter::toExternalOrThrow(ingredient.type());
    record.logicalIngredient
        = LogicalIngredientEnumConverter::toExternalOrThrow(ingredient.logicalCanisterId());
    record.dose = ingredient.dose();
    record.maxDose = truncatedDose(owningStep.maxIngredientDose());
    record.minDose = truncatedDose(owningStep.minIngredientDose());
    record.extraText = ingredient.extraText();
    if (const auto* instant = qobject_cast<const InstantIngredient*>(&ingredient)) {
        Ingredient::Powder powder;
        powder.speed = instant->powderSpeed();
        powder.maxSpeed = instant->maxPowderSpeed();
        if (instant->powderCycle() != InstantIngredient::NoPowderCycle) {
            powder.cycle = Ingredient::PowderCycle { PowderCycleEnumConverter::toExternalOrThrow(
                                                         instant->powderCycle()),
                instant->powderCycleValue() };
        }
        record.powder = powder;
    }
    return record;
}

void IngredientConverter::updateCoreIngredientFromLeaIngredient(
    AbstractIngredient& ingredient, const Ingredient& record)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return;
    // Both conversions come first, so that a record that does not convert changes nothing.
    const AbstractIngredient::IngredientType type
        = IngredientTypeEnumConverter::toInternalOrThrow(record.type);
    const Canister::LogicalCanisterId logicalId
        = LogicalIngredientEnumConverter::toInternalOrThrow(record.logicalIngredient);
    utils::requireStorableText(record.extraText);

    ingredient.setType(type);
    Canister* canister = configuration->canisterByType(logicalId);
    ingredient.setCanister(canister);
    ingredient.setCanisterId(logicalId);
    ingredient.setProductId(canister ? canister->logicalCanisterId() : -1);
    ingredient.setDose(record.dose);
    ingredient.setExtraText(record.extraText);

    if (record.powder && canister) {
        const int speed = clampedPowderSpeed(record.powder->speed, *canister);
        if (auto* instant = qobject_cast<InstantIngredient*>(&ingredient))
            instant->setPowderSpeed(speed);
    }
}

std::unique_ptr<AbstractIngredient> IngredientConverter::leaIngredientToCoreIngredient(
    const Ingredient& record)
{
    std::unique_ptr<AbstractIngredient> ingredient
        = newCoreIngredient(IngredientTypeEnumConverter::toInternalOrThrow(record.type));
    if (ingredient)
        updateCoreIngredientFromLeaIngredient(*ingredient, record);
    return ingredient;
}

void IngredientConverter::addCoreIngredientToLeaIngredient(
    const AbstractIngredient& ingredient, Ingredient& record)
{
    const int64_t sum = int64_t(record.dose) + ingredient.dose();
    record.dose = static_cast<int32_t>(
        std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

std::unique_ptr<AbstractIngredient> IngredientConverter::newCoreIngredient(
    AbstractIngredient::IngredientType type)
{
    switch (type) {
    case AbstractIngredient::DrySugarIngredientType:
        return std::make_unique<DrySugarIngredient>();
    case AbstractIngredient::EspressoIngredientType:
        return std::make_unique<EspressoIngredient>();
    case AbstractIngredient::InstantIngredientType:
        return std::make_unique<InstantIngredient>();
    case AbstractIngredient::SyrupIngredientType:
        return std::make_unique<SyrupIngredient>();
    default:
        return nullptr;
    }
}

} // namespace products
} // namespace bridge
