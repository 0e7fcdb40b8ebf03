#include "core/selection/userselectionmanager.h"

#include "core/catalogue/beverage.h"
#include "core/catalogue/product.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/recipecustomization.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"

#include <utility>

UserSelectionManager::UserSelectionManager(QObject* parent)
    : QObject(parent)
{
}

UserSelectionManager::~UserSelectionManager() = default;

Product* UserSelectionManager::selectedProduct() const
{
    return m_selectedProduct;
}

void UserSelectionManager::setSelectedProduct(Product* product)
{
    if (product == m_selectedProduct)
        return;
    m_selectedProduct = product;
    // The customer's working copy of the recipe starts from the stored one.
    m_selectionRecipe = createCustomRecipe(qobject_cast<Beverage*>(product));
    emit selectedProductChanged();
}

void UserSelectionManager::setSelectedQuantity(int quantity)
{
    if (quantity == m_selectedQuantity)
        return;
    m_selectedQuantity = quantity;
    emit selectedQuantityChanged(quantity);
}

void UserSelectionManager::setCurrentState(State state)
{
    if (state == m_currentState)
        return;
    m_currentState = state;
    emit currentStateChanged(state);
}

void UserSelectionManager::setSugarPreselection(std::unique_ptr<RecipeCustomization> preselection)
{
    const std::unique_ptr<RecipeCustomization> previous
        = std::exchange(m_sugarPreselection, std::move(preselection));
    emit sugarPreselectionChanged();
}

void UserSelectionManager::setCupPreselection(std::unique_ptr<RecipeCustomization> preselection)
{
    const std::unique_ptr<RecipeCustomization> previous
        = std::exchange(m_cupPreselection, std::move(preselection));
    emit cupPreselectionChanged();
}

void UserSelectionManager::setSelectionRecipe(std::unique_ptr<Recipe> recipe)
{
    m_selectionRecipe = std::move(recipe);
}

std::unique_ptr<Recipe> UserSelectionManager::createCustomRecipe(Beverage* beverage) const
{
    const Configuration* configuration = gCoreEnv ? gCoreEnv->configuration() : nullptr;
    if (!beverage || !beverage->recipe() || !configuration)
        return nullptr;
    return configuration->loadAndFillRecipe(beverage->recipe()->dbId());
}

Beverage* UserSelectionManager::selectedBeverage() const
{
    return qobject_cast<Beverage*>(m_selectedProduct.data());
}
