#include "demo/scenario/catalogueseeder.h"

#include "bridge/bridge.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "core/catalogue/canister.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/coresimulator.h"
#include "core/selection/quickselectionmanager.h"
#include "demo/scenario/accessor.h"
#include "lea/payment/productsprice.h"
#include "lea/products/beverages.h"
#include "lea/products/categories.h"
#include "lea/products/customizations.h"
#include "lea/products/products.h"
#include "lea/products/recipes.h"

#include <map>
#include <QMap>

namespace scenario {

using CanisterSeed = Scenario::CanisterSeed;
using IngredientSeed = Scenario::IngredientSeed;
using StepSeed = Scenario::StepSeed;
using CustomizationSeed = Scenario::CustomizationSeed;
using RecipeSeed = Scenario::RecipeSeed;
using ProductSeed = Scenario::ProductSeed;
using Catalogue = Scenario::Catalogue;

namespace {

using Recipes = lea::products::Recipes;

Recipes::IngredientType ingredientType(Recipes::StepType step)
{
    switch (step) {
    case Recipes::DrySugar:
        return Recipes::IngredientDrySugar;
    case Recipes::Syrup:
        return Recipes::IngredientSyrup;
    case Recipes::Instant:
    case Recipes::Tea:
        return Recipes::IngredientInstant;
    default:
        return Recipes::IngredientEspresso;
    }
}

Recipes::Ingredient ingredient(Recipes::StepType step, const IngredientSeed& seed)
{
    using bridge::products::LogicalIngredientEnumConverter;
    Recipes::Ingredient result;
    result.type = ingredientType(step);
    result.logicalIngredient
        = LogicalIngredientEnumConverter::toExternalOrThrow(Canister::LogicalCanisterId(seed.logicalId));
    result.dose = seed.dose;
    if (result.type == Recipes::IngredientInstant)
        result.powder = Recipes::Ingredient::Powder { 60, 0, {} };
    return result;
}

} // namespace

CatalogueSeeder::CatalogueSeeder(CoreSimulator& machine, bridge::Bridge& bridge)
    : m_machine(machine)
    , m_bridge(bridge)
{
}

bool CatalogueSeeder::seed(const Catalogue& catalogue, QString* error)
{
    const auto refuse = [error](const QString& what) {
        if (error)
            *error = what;
        return false;
    };

    Configuration* configuration = m_machine.core().loadConfiguration();
    for (const CanisterSeed& seed : catalogue.canisters) {
        Canister canister;
        canister.setLogicalCanisterId(Canister::LogicalCanisterId(seed.logicalId));
        canister.setName(seed.name);
        canister.setProductName(seed.name);
        canister.setCalibrationMin(10);
        canister.setCalibrationMax(90);
        canister.powderLevel()->setCurrentValue(seed.grams * 10);
        if (!configuration->loader()->saveCanister(&canister))
            return refuse(QStringLiteral("canister \"%1\" could not be stored").arg(seed.name));
    }
    m_machine.core().loadConfiguration();

    auto recipes = createAccessor<Recipes>(m_bridge.productsFactory());
    auto customizations = createAccessor<lea::products::Customizations>(m_bridge.productsFactory());
    auto beverages = createAccessor<lea::products::Beverages>(m_bridge.productsFactory());
    auto products = createAccessor<lea::products::Products>(m_bridge.productsFactory());
    auto prices = createAccessor<lea::payment::ProductsPrice>(m_bridge.paymentFactory());
    auto categories = createAccessor<lea::products::Categories>(m_bridge.productsFactory());

    QMap<QString, lea::RecipeDbId> recipeIds;
    for (const RecipeSeed& seed : catalogue.recipes) {
        Recipes::Recipe recipe = recipes->defaultRecipe();
        recipe.name = seed.name;
        recipe.hasCup = seed.hasCup;
        for (const StepSeed& stepSeed : seed.steps) {
            Recipes::Step step;
            step.type = Recipes::StepType(stepSeed.type);
            step.description = stepSeed.description;
            step.waterDose = stepSeed.waterDose;
            step.waterSpeed = stepSeed.waterSpeed;
            const auto stepId = recipes->createStep(step);
            if (!stepId)
                return refuse(QStringLiteral("a step of recipe \"%1\" could not be stored").arg(seed.name));
            for (const IngredientSeed& ingredientSeed : stepSeed.ingredients) {
                if (!recipes->createIngredient(ingredient(step.type, ingredientSeed), *stepId))
                    return refuse(
                        QStringLiteral("an ingredient of recipe \"%1\" could not be stored").arg(seed.name));
            }
            recipe.steps.push_back(*stepId);
        }
        const auto recipeId = recipes->createRecipe(recipe);
        if (!recipeId)
            return refuse(QStringLiteral("recipe \"%1\" could not be stored").arg(seed.name));
        recipeIds.insert(seed.name, *recipeId);
        for (const CustomizationSeed& customizationSeed : seed.customizations) {
            lea::products::Customizations::Customization customization;
            customization.type = lea::products::Customizations::Type0;
            customization.name = customizationSeed.name;
            customization.stepCount = uint8_t(customizationSeed.stepCount);
            customization.defaultIndex = uint8_t(customizationSeed.defaultIndex);
            if (!customizations->addCustomization(customization, *recipeId))
                return refuse(
                    QStringLiteral("customization \"%1\" could not be stored").arg(customizationSeed.name));
        }
    }

    std::map<lea::ProductDbId, lea::payment::ProductsPrice::ProductPrices> priceTable;
    std::vector<nonstd::optional<lea::ProductDbId>> offered;
    QList<QPair<int, lea::ProductDbId>> codes;
    for (const ProductSeed& seed : catalogue.products) {
        lea::products::Beverages::Beverage beverage;
        beverage.recipe = recipeIds.value(seed.recipe);
        const auto productId = beverages->create(beverage);
        if (!productId)
            return refuse(QStringLiteral("product \"%1\" could not be offered").arg(seed.name));
        auto basics = products->basics(*productId).value_or(lea::products::Products::BasicProduct {});
        basics.name = seed.name;
        products->setBasics(*productId, basics);
        priceTable[*productId]
            = { { lea::payment::TimeBands::TimeBand0, { seed.price, seed.price, seed.price, 0 } } };
        offered.push_back(*productId);
        if (seed.quickCode != 0)
            codes << qMakePair(seed.quickCode, *productId);
    }
    if (!priceTable.empty())
        prices->setProductsPrices(priceTable);
    if (!catalogue.category.isEmpty()) {
        lea::products::Categories::Category category;
        category.title = catalogue.category;
        category.displayed = true;
        category.products = offered;
        if (!categories->addCategory(category))
            return refuse(QStringLiteral("category \"%1\" could not be stored").arg(catalogue.category));
    }
    // Quick codes belong to the loaded configuration: set them once nothing reloads it any more.
    for (const auto& code : codes)
        gCoreEnv->configuration()->quickSelectionManager()->setCode(code.first, int(code.second.value()));
    return true;
}

} // namespace scenario
