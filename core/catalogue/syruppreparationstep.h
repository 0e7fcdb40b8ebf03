#pragma once

#include "core/catalogue/abstractpreparationstep.h"

/// A syrup pumped into the cup, rinsed down with water.
class SyrupPreparationStep : public AbstractPreparationStep
{
    Q_OBJECT

public:
    explicit SyrupPreparationStep(QObject* parent = nullptr);

    double maxIngredientDose() const override { return 50.0; }
};
