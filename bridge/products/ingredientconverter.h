#pragma once

#include "core/catalogue/abstractingredient.h"
#include "lea/products/recipes.h"

#include <memory>

class AbstractPreparationStep;

namespace bridge {
namespace products {

/// Converts between the core's ingredients and the interface's ingredient records.
class IngredientConverter
{
public:
    using Ingredient = lea::products::Recipes::Ingredient;

    /// The record of an ingredient; the dose limits are those of `owningStep`.
    /// Throws std::invalid_argument for a type or logical canister the interface does not know.
    static Ingredient coreIngredientToLeaIngredient(
        const AbstractIngredient& ingredient, const AbstractPreparationStep& owningStep);
    /// Writes the record into the ingredient and binds it to the loaded
    /// configuration's canister; the powder speed is kept within the
    /// canister's calibration range. Changes nothing when the record does not
    /// convert (std::invalid_argument) or no configuration is loaded.
    static void updateCoreIngredientFromLeaIngredient(
        AbstractIngredient& ingredient, const Ingredient& record);
    /// A new core ingredient of the record's type, filled from the record.
    static std::unique_ptr<AbstractIngredient> leaIngredientToCoreIngredient(const Ingredient& record);
    /// Adds the ingredient's dose to the record's.
    static void addCoreIngredientToLeaIngredient(const AbstractIngredient& ingredient, Ingredient& record);

    /// An empty core ingredient of `type`, or null for a type without one.
    static std::unique_ptr<AbstractIngredient> newCoreIngredient(AbstractIngredient::IngredientType type);
};

} // namespace products
} // namespace bridge
