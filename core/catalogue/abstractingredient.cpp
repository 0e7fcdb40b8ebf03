#include "core/catalogue/abstractingredient.h"

AbstractIngredient::AbstractIngredient(IngredientType type, QObject* parent)
    : QObject(parent)
    , m_type(type)
{
}

AbstractIngredient::~AbstractIngredient() = default;

QString AbstractIngredient::name() const
{
    const Canister* canister = m_canister.data();
    if (canister && !canister->productName().isEmpty())
        return canister->productName();
    return Canister::logicalIdToTranslationKey(m_logicalCanisterId);
}
