#pragma once

#include "lea/products/flatrecipes.h"

#include <QObject>

namespace lea {
namespace interface {

/// Accessor that dispenses a recipe given whole, stored nowhere, and stops a dispensing.
class Dispensing : public QObject
{
    Q_OBJECT

public:
    ~Dispensing() override = default;

    virtual void stopDispensing() = 0;
    /// Makes the recipe the selection; the selection accessor then starts it.
    virtual void prepareRecipe(const lea::products::FlatRecipes::Recipe& recipe) = 0;

protected:
    explicit Dispensing(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
