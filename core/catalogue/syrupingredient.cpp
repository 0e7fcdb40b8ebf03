#include "core/catalogue/syrupingredient.h"

SyrupIngredient::SyrupIngredient(QObject* parent)
    : AbstractIngredient(SyrupIngredientType, parent)
{
}
