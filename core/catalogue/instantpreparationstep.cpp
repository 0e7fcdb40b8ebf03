#include "core/catalogue/instantpreparationstep.h"

InstantPreparationStep::InstantPreparationStep(QObject* parent)
    : AbstractPreparationStep(InstantStep, parent)
{
}
