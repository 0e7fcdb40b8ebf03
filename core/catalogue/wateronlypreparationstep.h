#pragma once

#include "core/catalogue/abstractpreparationstep.h"

/// Plain water, such as the hot water of an americano.
class WaterOnlyPreparationStep : public AbstractPreparationStep
{
    Q_OBJECT

public:
    explicit WaterOnlyPreparationStep(QObject* parent = nullptr);
};
