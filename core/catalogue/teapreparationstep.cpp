#include "core/catalogue/teapreparationstep.h"

TeapreparationStep::TeapreparationStep(QObject* parent)
    : AbstractPreparationStep(TeaStep, parent)
{
}
