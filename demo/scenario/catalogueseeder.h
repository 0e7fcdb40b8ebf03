#pragma once

#include "demo/scenario/scenario.h"

#include <QString>

class CoreSimulator;

namespace bridge {
class Bridge;
}

namespace scenario {

/// Sets up a scenario's catalogue as the operator would: recipes, products,
/// prices and the category through the bridge's accessors; the canisters,
/// which come with the machine, and the quick codes through the core.
class CatalogueSeeder
{
public:
    CatalogueSeeder(CoreSimulator& machine, bridge::Bridge& bridge);

    /// Stores `catalogue`; false with `error` set when the machine refused a part of it.
    bool seed(const Scenario::Catalogue& catalogue, QString* error);

private:
    CoreSimulator& m_machine;
    bridge::Bridge& m_bridge;
};

} // namespace scenario
