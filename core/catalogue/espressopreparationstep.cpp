#include "core/catalogue/espressopreparationstep.h"

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
    water().setDose(millilitres * kPulsesPerMillilitre);
}
