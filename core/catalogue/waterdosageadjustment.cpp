#include "core/catalogue/waterdosageadjustment.h"

WaterDosageAdjustment::WaterDosageAdjustment(const RecipeCustomization* customization,
    AbstractPreparationStep::PreparationStepType stepType, int deltaMin, int deltaMax, QObject* parent)
    : AbstractCustomizationAdjustment(WaterDosage, customization, parent)
    , m_stepType(stepType)
    , m_deltaMin(deltaMin)
    , m_deltaMax(deltaMax)
{
}
