#include "core/catalogue/drysugarpreparationstep.h"

DrySugarPreparationStep::DrySugarPreparationStep(QObject* parent)
    : AbstractPreparationStep(DrySugarStep, parent)
{
}
