#include "core/selection/qsproductcustomization.h"

#include "core/catalogue/beverage.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"

namespace quickselection {

QsProductCustomization::QsProductCustomization(
    int beverageId, RecipeCustomization::CustomizationType type, int index)
    : m_beverageId(beverageId)
    , m_type(type)
    , m_index(index)
{
}

bool QsProductCustomization::isAvailable() const
{
    const Configuration* configuration = gCoreEnv ? gCoreEnv->configuration() : nullptr;
    const Beverage* beverage = configuration ? configuration->beverage(m_beverageId) : nullptr;
    const Recipe* recipe = beverage ? beverage->recipe() : nullptr;
    const RecipeCustomization* customization = recipe ? recipe->customizationByType(m_type) : nullptr;
    return customization && customization->isAvailable() && m_index >= 0
        && m_index < customization->stepCount();
}

bool QsProductCustomization::apply(Beverage*, Recipe* recipe) const
{
    RecipeCustomization* customization = recipe ? recipe->customizationByType(m_type) : nullptr;
    if (!customization)
        return false;
    customization->setCurrentChoiceIndex(m_index);
    return true;
}

QsCustomizationSet QsProductCustomization::customizationsFromProduct(
    const Beverage* beverage, const Recipe* recipe)
{
    QsCustomizationSet choices;
    if (!beverage || !recipe)
        return choices;
    for (const RecipeCustomization* customization : recipe->customizations()) {
        if (customization->currentChoiceIndex() != customization->defaultIndex())
            choices.push_back(std::make_shared<QsProductCustomization>(
                beverage->id(), customization->type(), customization->currentChoiceIndex()));
    }
    std::sort(
        choices.begin(), choices.end(), [](const auto& a, const auto& b) { return a->type() < b->type(); });
    return choices;
}

} // namespace quickselection
