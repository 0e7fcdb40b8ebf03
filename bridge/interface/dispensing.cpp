#include "bridge/interface/dispensing.h"

#include "bridge/products/recipeconverter.h"
#include "core/catalogue/beverage.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"
#include "core/selection/userselectionmanager.h"

#include <utility>

namespace bridge {
namespace interface {

Dispensing::Dispensing(QObject* parent)
    : lea::interface::Dispensing(parent)
{
}

Dispensing::~Dispensing()
{
    release(std::move(m_beverage));
}

void Dispensing::stopDispensing()
{
    gCoreEnv->machine()->stopErogation();
}

void Dispensing::prepareRecipe(const lea::products::FlatRecipes::Recipe& record)
{
    // Converted first: a record that does not convert changes nothing.
    std::unique_ptr<Recipe> recipe = products::RecipeConverter::leaRecipeToCoreRecipe(record);
    if (!recipe)
        return;
    auto beverage = std::make_unique<Beverage>();
    recipe->setDbId(TemporaryId);
    beverage->setId(TemporaryId);
    recipe->setParent(beverage.get());
    beverage->setRecipe(recipe.release());
    gCoreEnv->userSelectionManager()->setSelectedProduct(beverage.get(), quint8(0));
    release(std::exchange(m_beverage, std::move(beverage)));
}

void Dispensing::release(std::unique_ptr<Beverage> beverage)
{
    if (!beverage)
        return;
    UserSelectionManager* selection = gCoreEnv ? gCoreEnv->userSelectionManager() : nullptr;
    // A beverage being dispensed goes when its dispensing ends, not from under it.
    if (selection && selection->currentDispensedProduct() == beverage.get()) {
        Beverage* dispensed = beverage.release();
        QObject::connect(selection, &UserSelectionManager::vendFinished, dispensed, &QObject::deleteLater);
        return;
    }
    // Still the selection: the selection must not name a deleted product.
    if (selection && selection->selectedProduct() == beverage.get())
        selection->resetSelectedProduct();
}

} // namespace interface
} // namespace bridge
