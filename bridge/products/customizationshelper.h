#pragma once

#include "lea/ids.h"

#include <QList>
#include <QPointer>

class Configuration;
class ConfigurationLoader;
class Recipe;
class RecipeCustomization;

namespace bridge {
namespace products {

/// Customization work shared with the recipes accessor.
class CustomizationsHelper
{
public:
    /// A loaded customization in the recipe that holds it.
    struct Link
    {
        QPointer<Recipe> recipe;
        QPointer<RecipeCustomization> customization;
    };

    /// Unlinks the customization from every loaded recipe that holds it and
    /// removes it from the database; all or nothing.
    static void deleteCustomizationImp(lea::CustomizationDbId id);

    /// Every loaded recipe's customization with that id.
    static QList<Link> loadedLinks(const Configuration& configuration, int customizationId);
    /// Deletes the links from the database (the row goes with its last link).
    static bool deleteLinksInDb(ConfigurationLoader& loader, const QList<Link>& links);
    /// Takes the customizations out of their loaded recipes, once the database agreed.
    static void removeLoadedLinks(const QList<Link>& links);
};

} // namespace products
} // namespace bridge
