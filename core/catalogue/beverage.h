#pragma once

#include "core/catalogue/product.h"

#include <QPointer>

class Recipe;

/// A product prepared from a recipe.
class Beverage : public Product
{
    Q_OBJECT

public:
    explicit Beverage(QObject* parent = nullptr);
    ~Beverage() override;

    /// The recipe, or null; not owned.
    Recipe* recipe() const { return m_recipe.data(); }
    void setRecipe(Recipe* recipe) { m_recipe = recipe; }
    bool hasRecipe() const { return !m_recipe.isNull(); }

private:
    QPointer<Recipe> m_recipe;
};
