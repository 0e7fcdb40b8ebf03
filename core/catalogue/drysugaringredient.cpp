#include "core/catalogue/drysugaringredient.h"

DrySugarIngredient::DrySugarIngredient(QObject* parent)
    : AbstractIngredient(DrySugarIngredientType, parent)
{
}
