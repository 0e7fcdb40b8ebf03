#include "core/catalogue/powderdosageadjustment.h"

PowderDosageAdjustment::PowderDosageAdjustment(const RecipeCustomization* customization,
    Canister::LogicalCanisterId canisterId, int deltaMin, int deltaMax, QObject* parent)
    : AbstractCustomizationAdjustment(PowderDosage, customization, parent)
    , m_canisterId(canisterId)
    , m_deltaMin(deltaMin)
    , m_deltaMax(deltaMax)
{
}

QVariantMap PowderDosageAdjustment::powderMinLimits() const
{
    if (m_canisterId == Canister::NoIngredient)
        return {};
    // Below half the dose an auger doses too unevenly to be worth offering.
    return { { QStringLiteral("min"), 50 }, { QStringLiteral("max"), 100 },
        { QStringLiteral("unit"), QStringLiteral("%") } };
}
