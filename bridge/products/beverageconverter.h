#pragma once

#include "core/catalogue/beverage.h"
#include "lea/products/beverages.h"

namespace bridge {
namespace products {

/// Converts between the core's beverages and the interface's beverage records.
class BeverageConverter
{
public:
    /// Fills the record's fields that the beverage has; fields are set, never cleared.
    static void toLea(const Beverage& beverage, lea::products::Beverages::Beverage& record);
    /// Writes the recipe link and the jug; the lid is not written. A recipe id
    /// that names no loaded recipe is logged and leaves the beverage without one.
    static void toCore(const lea::products::Beverages::Beverage& record, Beverage& beverage);
};

} // namespace products
} // namespace bridge
