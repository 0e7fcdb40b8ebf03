#pragma once

#include "lea/ids.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QObject>

namespace lea {
namespace products {

/// Accessor of the beverage side of products: recipe link, jug and lid.
class Beverages : public QObject
{
    Q_OBJECT

public:
    /// The beverage side of one product: the recipe it is made from, and whether and how it may be dispensed
    /// as a jug.
    struct Beverage
    {
        /// How many cycles of the recipe make a jug, and whether a jug is the default choice.
        struct Jug
        {
            bool defaultValue = false;
            uint8_t minCycles = 0;
            uint8_t maxCycles = 0;
            uint8_t defaultCycles = 0;
        };

        nonstd::optional<lea::RecipeDbId> recipe;
        /// Present when the beverage may be dispensed as a jug.
        nonstd::optional<Jug> jug;
        /// The lid dispensed with the beverage; read only.
        nonstd::optional<lea::ProductDbId> lid;
        nonstd::optional<int32_t> reserved1;
        nonstd::optional<int32_t> reserved2;
    };

    /// The jug choice of the current selection.
    struct DispensingOptions
    {
        nonstd::optional<uint8_t> jugCycles;
    };

    ~Beverages() override = default;

    virtual nonstd::optional<Beverage> beverage(lea::ProductDbId id) const = 0;
    virtual void update(lea::ProductDbId id, const Beverage& beverage) = 0;
    virtual void configureDispensing(const DispensingOptions& options) = 0;
    virtual bool setCurrentUsedRecipe(lea::ProductDbId id, nonstd::optional<lea::RecipeDbId> recipe) = 0;
    virtual nonstd::optional<lea::ProductDbId> create(const Beverage& beverage) = 0;
    virtual std::map<lea::ProductDbId, Beverage> beverages() const = 0;
    /// The beverage behind a product, when there is one.
    virtual nonstd::optional<lea::ProductDbId> beverageFromProduct(lea::ProductDbId id) const = 0;

signals:
    void changed();

protected:
    explicit Beverages(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
