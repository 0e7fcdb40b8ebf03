#pragma once

#include "core/catalogue/abstractingredient.h"

class SyrupIngredient : public AbstractIngredient
{
    Q_OBJECT

public:
    explicit SyrupIngredient(QObject* parent = nullptr);
};
