#include "core/configuration/catalogueindex.h"

#include "core/catalogue/abstractcustomizationadjustment.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/canister.h"
#include "core/catalogue/cataloguerevision.h"
#include "core/catalogue/category.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"

CatalogueIndex::CatalogueIndex(const Configuration& configuration)
    : m_configuration(configuration)
{
}

Recipe* CatalogueIndex::recipe(int id) const
{
    return find(m_recipes, id);
}

AbstractPreparationStep* CatalogueIndex::preparationStep(int id) const
{
    return find(m_steps, id);
}

AbstractIngredient* CatalogueIndex::ingredient(int id) const
{
    return find(m_ingredients, id);
}

RecipeCustomization* CatalogueIndex::customization(int id) const
{
    return find(m_customizations, id);
}

AbstractCustomizationAdjustment* CatalogueIndex::adjustment(int id) const
{
    return find(m_adjustments, id);
}

Beverage* CatalogueIndex::beverage(int id) const
{
    return find(m_beverages, id);
}

Product* CatalogueIndex::product(int id) const
{
    return find(m_products, id);
}

Canister* CatalogueIndex::canister(int id) const
{
    return find(m_canisters, id);
}

Category* CatalogueIndex::category(int id) const
{
    return find(m_categories, id);
}

template <class T> T* CatalogueIndex::find(const QHash<int, T*>& map, int id) const
{
    if (m_revision != CatalogueRevision::current())
        rebuild();
    return map.value(id, nullptr);
}

void CatalogueIndex::rebuild() const
{
    const auto add = [](auto& map, int id, auto* object) {
        // The first object with an id wins, as a walk in catalogue order would find it.
        if (!map.contains(id))
            map.insert(id, object);
    };
    m_recipes.clear();
    m_steps.clear();
    m_ingredients.clear();
    m_customizations.clear();
    m_adjustments.clear();
    m_beverages.clear();
    m_products.clear();
    m_canisters.clear();
    m_categories.clear();
    for (Recipe* recipe : m_configuration.recipes()) {
        add(m_recipes, recipe->dbId(), recipe);
        for (AbstractPreparationStep* step : recipe->preparationSteps()) {
            add(m_steps, step->dbId(), step);
            for (AbstractIngredient* ingredient : step->ingredients())
                add(m_ingredients, ingredient->dbId(), ingredient);
        }
        for (RecipeCustomization* customization : recipe->customizations())
            add(m_customizations, customization->dbId(), customization);
        for (AbstractCustomizationAdjustment* adjustment : recipe->customizationAdjustments())
            add(m_adjustments, adjustment->dbId(), adjustment);
    }
    for (Product* product : m_configuration.products()) {
        add(m_products, product->id(), product);
        if (auto* beverage = qobject_cast<Beverage*>(product))
            add(m_beverages, beverage->id(), beverage);
    }
    for (Canister* canister : m_configuration.canisters())
        add(m_canisters, canister->id(), canister);
    for (Category* category : m_configuration.getAllCategories(true))
        add(m_categories, category->id(), category);
    m_revision = CatalogueRevision::current();
}
