#pragma once

#include "lea/products/customizations.h"

class AbstractCustomizationAdjustment;
class RecipeCustomization;

namespace bridge {
namespace products {

/// Turns the core's customizations and adjustments into interface records.
class CustomizationConverter
{
public:
    /// Lists, as its adjustments, those of every loaded recipe that refer to it.
    static lea::products::Customizations::Customization coreCustomizationToLeaCustomization(
        const RecipeCustomization& customization);
    static lea::products::Customizations::Adjustment coreAdjustmentToLeaAdjustment(
        const AbstractCustomizationAdjustment& adjustment);
};

} // namespace products
} // namespace bridge
