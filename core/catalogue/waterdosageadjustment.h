#pragma once

#include "core/catalogue/abstractcustomizationadjustment.h"
#include "core/catalogue/abstractpreparationstep.h"

/// Varies the water of one kind of preparation step between two deltas (percent).
class WaterDosageAdjustment : public AbstractCustomizationAdjustment
{
    Q_OBJECT
    Q_PROPERTY(int waterDeltaMin READ waterDeltaMin WRITE setWaterDeltaMin)
    Q_PROPERTY(int waterDeltaMax READ waterDeltaMax WRITE setWaterDeltaMax)

public:
    WaterDosageAdjustment(const RecipeCustomization* customization,
        AbstractPreparationStep::PreparationStepType stepType, int deltaMin, int deltaMax,
        QObject* parent = nullptr);

    AbstractPreparationStep::PreparationStepType stepType() const { return m_stepType; }

    int waterDeltaMin() const { return m_deltaMin; }
    void setWaterDeltaMin(int delta) { m_deltaMin = delta; }
    int waterDeltaMax() const { return m_deltaMax; }
    void setWaterDeltaMax(int delta) { m_deltaMax = delta; }

private:
    AbstractPreparationStep::PreparationStepType m_stepType;
    int m_deltaMin;
    int m_deltaMax;
};
