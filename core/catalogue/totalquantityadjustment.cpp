#include "core/catalogue/totalquantityadjustment.h"

TotalQuantityAdjustment::TotalQuantityAdjustment(
    const RecipeCustomization* customization, int quantity, QObject* parent)
    : AbstractCustomizationAdjustment(TotalQuantity, customization, parent)
    , m_quantity(quantity)
{
}
