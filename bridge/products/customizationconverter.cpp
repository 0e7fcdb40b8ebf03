#include "bridge/products/customizationconverter.h"

#include "bridge/products/adjustmenttypeenumconverter.h"
#include "bridge/products/customizationiconenumconverter.h"
#include "bridge/products/customizationtypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/steptypeenumconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/powderdosageadjustment.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/totalquantityadjustment.h"
#include "core/catalogue/waterdosageadjustment.h"
#include "core/configuration/configuration.h"
#include "core/log/assert.h"

#include <cmath>

namespace bridge {
namespace products {

namespace {

using Record = lea::products::Customizations;

// Truncates toward zero and keeps the low byte, without the undefined
// behaviour of converting an out-of-range float to an integer.
int32_t lowByteOfTruncated(float value)
{
    if (!std::isfinite(value))
        return 0;
    double byte = std::fmod(std::trunc(static_cast<double>(value)), 256.0);
    if (byte < 0)
        byte += 256.0;
    return static_cast<int32_t>(byte);
}

int adjustedCustomizationId(const AbstractCustomizationAdjustment& adjustment)
{
    const RecipeCustomization* customization = adjustment.customization();
    return customization ? customization->dbId() : adjustment.customizationId();
}

std::vector<lea::CustomizationAdjustmentDbId> adjustmentsOf(const RecipeCustomization& customization)
{
    const Configuration* configuration
        = utils::assertedConfiguration(utils::MissingConfiguration::Assertion, __FILE__, __LINE__);
    if (!configuration)
        return {};
    std::vector<lea::CustomizationAdjustmentDbId> ids;
    for (const Recipe* recipe : configuration->recipes()) {
        for (const AbstractCustomizationAdjustment* adjustment : recipe->customizationAdjustments()) {
            if (adjustedCustomizationId(*adjustment) == customization.dbId())
                ids.push_back(utils::idFromCore<lea::CustomizationAdjustmentDbId>(adjustment->dbId()));
        }
    }
    return ids;
}

} // namespace

Record::Customization CustomizationConverter::coreCustomizationToLeaCustomization(
    const RecipeCustomization& customization)
{
    Record::Customization record;
    record.type = CustomizationTypeEnumConverter::toExternalOrThrow(customization.type());
    record.icon = CustomizationIconEnumConverter::toExternalOrThrow(customization.iconType());

    record.enabled = customization.isEnabled();
    record.available = customization.isAvailable();
    record.adjustmentRequired = customization.isAdjustmentRequired();
    record.name = customization.name();
    record.translations = utils::translations(record.name, TypedString::CustomizationName);

    record.stepsCountsAvailable = customization.stepsCountsAvailable();
    record.defaultIndex = static_cast<uint8_t>(customization.defaultIndex());
    record.currentChoiceIndex = static_cast<uint8_t>(customization.currentChoiceIndex());
    record.hundredPercentIndex = static_cast<uint8_t>(customization.hundredPercentIndex());
    record.stepCount = static_cast<uint8_t>(customization.stepCount());
    record.costVariation = lowByteOfTruncated(customization.costVariation());
    record.horizontal = customization.horizontal();
    record.extraText = customization.extraText();

    record.adjustments = adjustmentsOf(customization);
    return record;
}

Record::Adjustment CustomizationConverter::coreAdjustmentToLeaAdjustment(
    const AbstractCustomizationAdjustment& adjustment)
{
    Record::Adjustment record;
    record.type = AdjustmentTypeEnumConverter::toExternalOrThrow(adjustment.type());
    record.extraText = adjustment.extraText();

    switch (adjustment.type()) {
    case AbstractCustomizationAdjustment::WaterDosage:
        if (const auto* water = qobject_cast<const WaterDosageAdjustment*>(&adjustment)) {
            record.water
                = Record::Adjustment::Water { StepTypeEnumConverter::toExternalOrThrow(water->stepType()),
                      water->waterDeltaMin(), water->waterDeltaMax() };
        }
        break;
    case AbstractCustomizationAdjustment::TotalQuantity:
        if (const auto* total = qobject_cast<const TotalQuantityAdjustment*>(&adjustment))
            record.quantity = static_cast<uint8_t>(total->quantity());
        break;
    case AbstractCustomizationAdjustment::PowderDosage:
        if (const auto* powder = qobject_cast<const PowderDosageAdjustment*>(&adjustment)) {
            record.powder = Record::Adjustment::Powder { LogicalIngredientEnumConverter::toExternalOrThrow(
                                                             powder->logicalCanisterId()),
                powder->powderDeltaMin(), powder->powderDeltaMax() };
        }
        break;
    case AbstractCustomizationAdjustment::NoAdjustment:
        break;
    }
    return record;
}

} // namespace products
} // namespace bridge
