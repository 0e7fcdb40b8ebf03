#include "bridge/products/customizationshelper.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"

namespace bridge {
namespace products {

void CustomizationsHelper::deleteCustomizationImp(lea::CustomizationDbId id)
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    const nonstd::optional<int> coreId = utils::coreId(id);
    if (!configuration || !coreId)
        return;
    const QList<Link> links = loadedLinks(*configuration, *coreId);
    if (links.isEmpty())
        return;
    // The loaded recipes keep the customization while the database does.
    const std::unique_ptr<ConfigurationLoader> loader = utils::transientLoader();
    bool deleted = false;
    if (loader) {
        utils::Transaction transaction(*loader);
        deleted = transaction.isOpen() && deleteLinksInDb(*loader, links) && transaction.commit();
    }
    if (utils::FailureLog(Q_FUNC_INFO, Log::Product)
            .stored(deleted, "Failed deleting customization from database"))
        removeLoadedLinks(links);
}

QList<CustomizationsHelper::Link> CustomizationsHelper::loadedLinks(
    const Configuration& configuration, int customizationId)
{
    QList<Link> links;
    for (Recipe* recipe : configuration.recipes()) {
        for (RecipeCustomization* customization : recipe->customizations()) {
            if (customization->dbId() == customizationId)
                links << Link { recipe, customization };
        }
    }
    return links;
}

bool CustomizationsHelper::deleteLinksInDb(ConfigurationLoader& loader, const QList<Link>& links)
{
    for (const Link& link : links) {
        if (!link.recipe || !link.customization
            || !loader.deleteCustomization(link.recipe->dbId(), link.customization->dbId()))
            return false;
    }
    return true;
}

void CustomizationsHelper::removeLoadedLinks(const QList<Link>& links)
{
    for (const Link& link : links) {
        if (link.recipe && link.customization)
            link.recipe->removeCustomization(link.customization);
    }
}

} // namespace products
} // namespace bridge
