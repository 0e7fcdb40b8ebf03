#include "bridge/products/nutritionalinformation.h"

#include "bridge/products/cataloguelookup.h"
#include "bridge/products/customizationtypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/nutritionalinformationconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/product.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/log/logformatter.h"

namespace bridge {
namespace products {

namespace {

using Converter = NutritionalInformationConverter;
using LogicalIngredient = lea::products::Canisters::LogicalIngredient;

template <class Key, class Value>
nonstd::optional<Value> entry(const std::map<Key, Value>& map, const Key& key)
{
    const auto found = map.find(key);
    return found == map.end() ? nonstd::nullopt : nonstd::optional<Value>(found->second);
}

} // namespace

NutritionalInformation::NutritionalInformation(QObject* parent)
    : lea::products::NutritionalInformation(parent)
{
}

std::map<LogicalIngredient, NutritionalInformation::Information>
NutritionalInformation::allIngredients() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::map<LogicalIngredient, Information> result;
    for (const AbstractIngredient* ingredient : configuration->allIngredients()) {
        const LogicalIngredient key
            = LogicalIngredientEnumConverter::toExternalOrThrow(ingredient->logicalCanisterId());
        if (result.find(key) == result.end())
            result.emplace(key, Converter::coreIngredientToLeaIngredientInformation(*ingredient));
    }
    return result;
}

std::map<LogicalIngredient, NutritionalInformation::Information>
NutritionalInformation::allIngredientsFromCanisters() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    std::map<LogicalIngredient, Information> result;
    for (const ::Canister* canister : configuration->canisters())
        result.emplace(LogicalIngredientEnumConverter::toExternalOrThrow(canister->logicalCanisterId()),
            Converter::coreCanisterToLeaIngredientInformation(*canister));
    return result;
}

std::map<lea::ProductDbId, NutritionalInformation::Information> NutritionalInformation::allProducts() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    // One read lock for the whole listing rather than one per product's image look-up.
    const utils::Transaction snapshot(*configuration->loader());
    std::map<lea::ProductDbId, Information> result;
    for (const Product* product : configuration->products()) {
        if (const auto id = utils::idFromCoreOpt<lea::ProductDbId>(product->id()))
            result.emplace(*id, Converter::coreProductToLeaProductInformation(*product));
    }
    return result;
}

nonstd::optional<NutritionalInformation::Information> NutritionalInformation::forIngredient(
    LogicalIngredient ingredient) const
{
    return entry(allIngredients(), ingredient);
}

nonstd::optional<NutritionalInformation::Information> NutritionalInformation::forCanisterIngredient(
    LogicalIngredient ingredient) const
{
    return entry(allIngredientsFromCanisters(), ingredient);
}

nonstd::optional<NutritionalInformation::Information> NutritionalInformation::forProduct(
    lea::ProductDbId id) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const Product* product = lookup::product(*configuration, id);
    if (!product)
        return nonstd::nullopt;
    return Converter::coreProductToLeaProductInformation(*product);
}

QString NutritionalInformation::globalAllergensInfo() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration ? configuration->globalAllergens() : QString();
}

std::vector<NutritionalInformation::InformationBit>
NutritionalInformation::getRecipeCustomizationStepInformation(
    lea::RecipeDbId recipeId, lea::products::Customizations::CustomizationType type, int step) const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const ::Recipe* recipe = lookup::recipe(*configuration, recipeId);
    if (!recipe) {
        LogFormatter(LogLevel::Warning).log(Log::Product) << Q_FUNC_INFO << "Recipe does not exist";
        return {};
    }
    const RecipeCustomization::CustomizationType coreType
        = CustomizationTypeEnumConverter::toInternalOrThrow(type);
    // A copy as stored, every choice at its default, so that no customer's choice leaks in.
    const std::unique_ptr<::Recipe> copy = configuration->loadAndFillRecipe(recipe->dbId());
    RecipeCustomization* customization = copy ? copy->customizationByType(coreType) : nullptr;
    if (!customization) {
        LogFormatter(LogLevel::Warning).log(Log::Product)
            << Q_FUNC_INFO << "Recipe has no such customization";
        return {};
    }
    copy->resetRecipeCustomizations();
    customization->setCurrentChoiceIndex(step);
    copy->updateNutritionalInformation();
    std::vector<InformationBit> bits;
    for (const ::NutritionalInformation& item : copy->nutritionalInformationList())
        bits.push_back(Converter::coreInformationToLeaInformation(&item, 1));
    return bits;
}

} // namespace products
} // namespace bridge
