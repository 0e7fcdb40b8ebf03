#pragma once

#include "core/catalogue/abstractcustomizationadjustment.h"

/// Scales the whole drink to a quantity (percent).
class TotalQuantityAdjustment : public AbstractCustomizationAdjustment
{
    Q_OBJECT

public:
    TotalQuantityAdjustment(
        const RecipeCustomization* customization, int quantity, QObject* parent = nullptr);

    int quantity() const { return m_quantity; }
    void setQuantity(int quantity) { m_quantity = quantity; }

private:
    int m_quantity;
};
