#pragma once

#include "core/catalogue/abstractingredient.h"

class DrySugarIngredient : public AbstractIngredient
{
    Q_OBJECT

public:
    explicit DrySugarIngredient(QObject* parent = nullptr);
};
