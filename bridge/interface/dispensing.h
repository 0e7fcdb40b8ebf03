#pragma once

#include "lea/interface/dispensing.h"

#include <memory>

class Beverage;

namespace bridge {
namespace interface {

/// Dispenses a recipe given whole: wraps it in a temporary beverage, stored
/// nowhere, and makes that the selection; stops a running dispensing.
class Dispensing : public lea::interface::Dispensing
{
    Q_OBJECT

public:
    explicit Dispensing(QObject* parent);
    ~Dispensing() override;

    void stopDispensing() override;
    void prepareRecipe(const lea::products::FlatRecipes::Recipe& recipe) override;

    /// The id that marks a beverage and recipe that are no rows of the database.
    static constexpr int TemporaryId = 0x7FFFFFFF;

private:
    /// Hands a prepared beverage over for deletion, once nothing dispenses it.
    static void release(std::unique_ptr<Beverage> beverage);

    std::unique_ptr<Beverage> m_beverage;
};

} // namespace interface
} // namespace bridge
