#pragma once

#include "core/catalogue/abstractcustomizationadjustment.h"
#include "core/catalogue/canister.h"

#include <QVariantMap>

/// Varies the dose of one canister's ingredient between two deltas (percent).
class PowderDosageAdjustment : public AbstractCustomizationAdjustment
{
    Q_OBJECT
    Q_PROPERTY(int powderDeltaMin READ powderDeltaMin WRITE setPowderDeltaMin)
    Q_PROPERTY(int powderDeltaMax READ powderDeltaMax WRITE setPowderDeltaMax)

public:
    PowderDosageAdjustment(const RecipeCustomization* customization, Canister::LogicalCanisterId canisterId,
        int deltaMin, int deltaMax, QObject* parent = nullptr);

    Canister::LogicalCanisterId logicalCanisterId() const { return m_canisterId; }

    int powderDeltaMin() const { return m_deltaMin; }
    void setPowderDeltaMin(int delta) { m_deltaMin = delta; }
    int powderDeltaMax() const { return m_deltaMax; }
    void setPowderDeltaMax(int delta) { m_deltaMax = delta; }

    /// The range the lower delta may take, in percent of the dose: keys "min",
    /// "max" and "unit"; empty for an adjustment without a canister.
    QVariantMap powderMinLimits() const;

private:
    Canister::LogicalCanisterId m_canisterId;
    int m_deltaMin;
    int m_deltaMax;
};
