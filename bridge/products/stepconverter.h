#pragma once

#include "core/catalogue/abstractpreparationstep.h"
#include "lea/products/flatrecipes.h"
#include "lea/products/recipes.h"

#include <memory>

namespace bridge {
namespace products {

/// Converts between the core's preparation steps and the interface's step records.
class StepConverter
{
public:
    using Step = lea::products::Recipes::Step;

    /// Throws std::invalid_argument for a step or water type the interface does not know.
    static Step coreStepToLeaStep(const AbstractPreparationStep& step);
    /// Writes description, text, water dose and speed, and the settings of
    /// the step's kind; the type, water type and ingredients are not written.
    /// Changes nothing when the record does not convert (std::invalid_argument).
    static void updateCoreStepFromLeaStep(AbstractPreparationStep& step, const Step& record);
    /// A new, empty core step of `type`; null for a kind the machine has no step object for.
    static std::unique_ptr<AbstractPreparationStep> newCoreStep(
        AbstractPreparationStep::PreparationStepType type);
    /// A new core step with its ingredients, which get temporary ids -1, -2 ...;
    /// null for a step kind without core step or an ingredient that cannot be made.
    static std::unique_ptr<AbstractPreparationStep> leaStepToCoreStep(
        const lea::products::FlatRecipes::Step& record);
};

} // namespace products
} // namespace bridge
