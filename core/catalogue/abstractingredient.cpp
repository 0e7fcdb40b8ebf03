#include "core/catalogue/abstractingredient.h"

AbstractIngredient::AbstractIngredient(IngredientType type, QObject* parent)
    : QObject(parent)
    , m_type(type)
{
}

AbstractIngredient::~AbstractIngredient() = default;
