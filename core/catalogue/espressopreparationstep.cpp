#include "core/catalogue/espressopreparationstep.h"

#include <climits>

namespace {

AbstractPreparationStep::PreparationStepType espressoType(AbstractPreparationStep::PreparationStepType type)
{
    switch (type) {
    case AbstractPreparationStep::EspressoStep:
    case AbstractPreparationStep::LongEspressoStep:
    case AbstractPreparationStep::ShortEspressoStep:
        return type;
    default:
        return AbstractPreparationStep::EspressoStep;
    }
}

} // namespace

EspressoPreparationStep::EspressoPreparationStep(PreparationStepType type, QObject* parent)
    : AbstractPreparationStep(espressoType(type), parent)
{
}

int EspressoPreparationStep::dose() const
{
    return water().dose() / kPulsesPerMillilitre;
}

void EspressoPreparationStep::setDose(int millilitres)
{
    // Saturates: a dose beyond what the flowmeter can count stays the largest one.
    water().setDose(int(qBound<qint64>(INT_MIN, qint64(millilitres) * kPulsesPerMillilitre, INT_MAX)));
}
