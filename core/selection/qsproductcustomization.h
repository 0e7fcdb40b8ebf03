#pragma once

#include "core/catalogue/recipecustomization.h"

#include <memory>
#include <vector>

class Beverage;
class Recipe;

namespace quickselection {

/// One customization choice that a quick-selection code carries: the choice
/// `index` of the customization of `type` of one beverage.
class QsProductCustomization
{
public:
    QsProductCustomization(int beverageId, RecipeCustomization::CustomizationType type, int index);

    int beverageId() const { return m_beverageId; }
    RecipeCustomization::CustomizationType type() const { return m_type; }
    int index() const { return m_index; }

    /// The beverage's recipe offers the customization, it is available and the index is one of its steps.
    bool isAvailable() const;
    /// Sets the choice on the selection recipe; false when it has no such customization.
    bool apply(Beverage* beverage, Recipe* recipe) const;

    /// The choices of a customised recipe: one per customization whose current index is not its default.
    static std::vector<std::shared_ptr<QsProductCustomization>> customizationsFromProduct(
        const Beverage* beverage, const Recipe* recipe);

    bool operator==(const QsProductCustomization& other) const
    {
        return m_beverageId == other.m_beverageId && m_type == other.m_type && m_index == other.m_index;
    }

private:
    int m_beverageId;
    RecipeCustomization::CustomizationType m_type;
    int m_index;
};

/// The choices of one code, ordered by customization type.
using QsCustomizationSet = std::vector<std::shared_ptr<QsProductCustomization>>;

} // namespace quickselection
