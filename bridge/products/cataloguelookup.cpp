#include "bridge/products/cataloguelookup.h"

#include "bridge/utils.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"

namespace bridge {
namespace products {
namespace lookup {

namespace {

template <class Object, class Id>
Object* find(const Configuration& configuration, Id id, Object* (Configuration::*byCoreId)(int) const)
{
    const nonstd::optional<int> coreId = utils::coreId(id);
    return coreId ? (configuration.*byCoreId)(*coreId) : nullptr;
}

} // namespace

::Recipe* recipe(const Configuration& configuration, lea::RecipeDbId id)
{
    return find(configuration, id, &Configuration::recipe);
}

AbstractPreparationStep* step(const Configuration& configuration, lea::RecipeStepDbId id)
{
    return find(configuration, id, &Configuration::preparationStep);
}

AbstractIngredient* ingredient(const Configuration& configuration, lea::RecipeStepIngredientDbId id)
{
    return find(configuration, id, &Configuration::ingredient);
}

RecipeCustomization* customization(const Configuration& configuration, lea::CustomizationDbId id)
{
    return find(configuration, id, &Configuration::customization);
}

AbstractCustomizationAdjustment* adjustment(
    const Configuration& configuration, lea::CustomizationAdjustmentDbId id)
{
    return find(configuration, id, &Configuration::adjustment);
}

Beverage* beverage(const Configuration& configuration, lea::ProductDbId id)
{
    return find(configuration, id, &Configuration::beverage);
}

Product* product(const Configuration& configuration, lea::ProductDbId id)
{
    return find(configuration, id, &Configuration::product);
}

::Canister* canister(const Configuration& configuration, lea::CanisterDbId id)
{
    return find(configuration, id, &Configuration::canisterById);
}

::Category* category(const Configuration& configuration, lea::CategoryDbId id)
{
    return find(configuration, id, &Configuration::category);
}

AbstractPreparationStep* owningStep(const AbstractIngredient& ingredient)
{
    return qobject_cast<AbstractPreparationStep*>(ingredient.parent());
}

::Recipe* owningRecipe(const QObject& object)
{
    return qobject_cast<::Recipe*>(object.parent());
}

} // namespace lookup
} // namespace products
} // namespace bridge
