#include "core/catalogue/recipecustomization.h"

RecipeCustomization::RecipeCustomization(CustomizationType type, const QString& name, int defaultIndex,
    int hundredPercentIndex, int stepCount, float costVariation, quint8 horizontal, int parameterKind,
    IconType icon, int parameterMin, int parameterMax, QObject* parent)
    : QObject(parent)
    , m_type(type)
    , m_name(name)
    , m_defaultIndex(defaultIndex)
    , m_hundredPercentIndex(hundredPercentIndex)
    , m_stepCount(stepCount)
    , m_costVariation(costVariation)
    , m_horizontal(horizontal)
    , m_parameterKind(parameterKind)
    , m_icon(icon)
    , m_parameterMin(parameterMin)
    , m_parameterMax(parameterMax)
    , m_currentChoiceIndex(defaultIndex)
{
}

RecipeCustomization::~RecipeCustomization() = default;

void RecipeCustomization::setIsAvailable(bool available)
{
    if (m_available == available)
        return;
    m_available = available;
    emit isAvailableChanged(available);
}

void RecipeCustomization::setCurrentChoiceIndex(int index)
{
    if (m_currentChoiceIndex == index)
        return;
    m_currentChoiceIndex = index;
    emit valueChanged(index);
}

QList<int> RecipeCustomization::stepsCountsAvailable() const
{
    QList<int> indexes;
    for (int i = 0; i < m_stepCount; ++i)
        indexes << i;
    return indexes;
}
