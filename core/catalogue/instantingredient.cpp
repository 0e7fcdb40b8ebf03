#include "core/catalogue/instantingredient.h"

InstantIngredient::InstantIngredient(QObject* parent)
    : AbstractIngredient(InstantIngredientType, parent)
{
}

int InstantIngredient::maxPowderSpeed() const
{
    const Canister* assigned = canister();
    return assigned ? assigned->calibrationMax() : kDefaultMaxPowderSpeed;
}

void InstantIngredient::setPowderCycle(PowderCycle cycle, int value)
{
    m_powderCycle = cycle;
    m_powderCycleValue = value;
}
