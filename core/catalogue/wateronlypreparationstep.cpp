#include "core/catalogue/wateronlypreparationstep.h"

WaterOnlyPreparationStep::WaterOnlyPreparationStep(QObject* parent)
    : AbstractPreparationStep(WaterOnlyStep, parent)
{
}
