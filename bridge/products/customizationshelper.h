#pragma once

#include "lea/ids.h"

namespace bridge {
namespace products {

/// Customization work shared with the recipes accessor.
class CustomizationsHelper
{
public:
    /// Unlinks the customization from every loaded recipe that holds it and
    /// removes it from the database.
    static void deleteCustomizationImp(lea::CustomizationDbId id);
};

} // namespace products
} // namespace bridge
