#pragma once

#include "lea/products/recipes.h"

#include <QObject>
#include <vector>

namespace lea {
namespace products {

/// Accessor of flat recipes: recipes given whole, with their steps and
/// ingredients, to dispense a drink that is not stored.
class FlatRecipes : public QObject
{
    Q_OBJECT

public:
    /// A step with its ingredients. The inherited id list is not used.
    struct Step : Recipes::Step
    {
        std::vector<Recipes::Ingredient> ingredients;
    };

    /// A recipe with its steps. The inherited id list is not used.
    struct Recipe : Recipes::Recipe
    {
        std::vector<Step> steps;
    };

    ~FlatRecipes() override = default;

protected:
    explicit FlatRecipes(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
