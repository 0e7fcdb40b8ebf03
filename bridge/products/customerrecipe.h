#pragma once

#include <memory>

class Beverage;
class Recipe;

namespace bridge {
namespace products {

/// The recipe a beverage is shown with: the selection's customised copy when
/// it is the beverage selected, else a copy of its stored recipe made for the
/// occasion and destroyed with this object, or the loaded recipe itself for a
/// reader that takes its default choices.
class CustomerRecipe
{
public:
    enum Other {
        StoredCopy,
        LoadedRecipe,
    };

    explicit CustomerRecipe(const Beverage& beverage, Other other = StoredCopy);
    ~CustomerRecipe();

    /// Null when there is none (no recipe, no configuration).
    const ::Recipe* get() const { return m_recipe; }
    /// Whether get() holds the customer's current choices.
    bool isSelection() const { return m_selection; }

private:
    const ::Recipe* m_recipe = nullptr;
    bool m_selection = false;
    std::unique_ptr<::Recipe> m_madeForTheOccasion;
};

} // namespace products
} // namespace bridge
