#pragma once

#include <QHash>

class AbstractCustomizationAdjustment;
class AbstractIngredient;
class AbstractPreparationStep;
class Beverage;
class Canister;
class Category;
class Configuration;
class Product;
class Recipe;
class RecipeCustomization;

/// Look-ups by database id over a configuration's loaded catalogue. The maps
/// are rebuilt on the first look-up after the catalogue changed shape, so
/// reading every object once costs one walk. Of two objects with one id, the
/// first in catalogue order (recipes, then their steps, then their
/// ingredients) is found.
class CatalogueIndex
{
public:
    explicit CatalogueIndex(const Configuration& configuration);

    Recipe* recipe(int id) const;
    AbstractPreparationStep* preparationStep(int id) const;
    AbstractIngredient* ingredient(int id) const;
    RecipeCustomization* customization(int id) const;
    AbstractCustomizationAdjustment* adjustment(int id) const;
    Beverage* beverage(int id) const;
    Product* product(int id) const;
    Canister* canister(int id) const;
    Category* category(int id) const;

private:
    template <class T> T* find(const QHash<int, T*>& map, int id) const;
    void rebuild() const;

    const Configuration& m_configuration;
    mutable quint64 m_revision = ~quint64(0);
    mutable QHash<int, Recipe*> m_recipes;
    mutable QHash<int, AbstractPreparationStep*> m_steps;
    mutable QHash<int, AbstractIngredient*> m_ingredients;
    mutable QHash<int, RecipeCustomization*> m_customizations;
    mutable QHash<int, AbstractCustomizationAdjustment*> m_adjustments;
    mutable QHash<int, Beverage*> m_beverages;
    mutable QHash<int, Product*> m_products;
    mutable QHash<int, Canister*> m_canisters;
    mutable QHash<int, Category*> m_categories;
};
