#pragma once

#include "core/catalogue/abstractingredient.h"

/// Ground coffee; the grinder's calibration fixes its dose.
class EspressoIngredient : public AbstractIngredient
{
    Q_OBJECT

public:
    explicit EspressoIngredient(QObject* parent = nullptr);

    bool canAdjustPowderDose() const override { return false; }
};
