#include "core/catalogue/syruppreparationstep.h"

SyrupPreparationStep::SyrupPreparationStep(QObject* parent)
    : AbstractPreparationStep(SyrupStep, parent)
{
}
