#include "core/catalogue/abstractcustomizationadjustment.h"

AbstractCustomizationAdjustment::AbstractCustomizationAdjustment(
    AdjustmentType type, const RecipeCustomization* customization, QObject* parent)
    : QObject(parent)
    , m_type(type)
    , m_customization(customization)
    , m_customizationId(customization ? customization->dbId() : -1)
{
}

AbstractCustomizationAdjustment::~AbstractCustomizationAdjustment() = default;
