#include "bridge/products/customizationshelper.h"

#include "bridge/utils.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/log/logformatter.h"

namespace bridge {
namespace products {

void CustomizationsHelper::deleteCustomizationImp(lea::CustomizationDbId id)
{
    const char* const signature = __PRETTY_FUNCTION__;
    utils::withConfiguration(signature, [&](Configuration& configuration) {
        const int coreId = static_cast<int>(id.value());
        for (Recipe* recipe : configuration.recipes()) {
            for (RecipeCustomization* customization : recipe->customizations()) {
                if (customization->dbId() != coreId)
                    continue;
                // The loaded recipe keeps the customization while the database
                // does, so that both agree after a failed delete.
                if (!configuration.deleteCustomization(recipe->dbId(), coreId)) {
                    LogFormatter(LogLevel::Error).log(Log::Product)
                        << signature << "Failed deleting customization from database";
                    continue;
                }
                recipe->removeCustomization(customization);
            }
        }
    });
}

} // namespace products
} // namespace bridge
