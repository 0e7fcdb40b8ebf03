#pragma once

#include "core/catalogue/abstractpreparationstep.h"

/// Sugar dosed dry into the cup; the step dispenses no water.
class DrySugarPreparationStep : public AbstractPreparationStep
{
    Q_OBJECT

public:
    explicit DrySugarPreparationStep(QObject* parent = nullptr);

    bool canAdjustWaterDose() const override { return false; }
    double maxIngredientDose() const override { return 15.0; }
};
