#include "bridge/products/customerrecipe.h"

#include "core/catalogue/beverage.h"
#include "core/catalogue/recipe.h"
#include "core/coreenvironment.h"
#include "core/selection/userselectionmanager.h"

namespace bridge {
namespace products {

CustomerRecipe::CustomerRecipe(const Beverage& beverage, Other other)
{
    const UserSelectionManager* selection = gCoreEnv ? gCoreEnv->userSelectionManager() : nullptr;
    if (!selection)
        return;
    if (selection->selectedProduct() == &beverage) {
        m_recipe = selection->selectionRecipe();
        m_selection = true;
    } else if (other == LoadedRecipe) {
        m_recipe = beverage.recipe();
    } else {
        m_madeForTheOccasion = selection->createCustomRecipe(&beverage);
        m_recipe = m_madeForTheOccasion.get();
    }
}

CustomerRecipe::~CustomerRecipe() = default;

} // namespace products
} // namespace bridge
