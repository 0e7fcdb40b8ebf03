#include "core/catalogue/espressoingredient.h"

EspressoIngredient::EspressoIngredient(QObject* parent)
    : AbstractIngredient(EspressoIngredientType, parent)
{
}
