#include "bridge/products/nutritionalinformationconverter.h"

#include "bridge/localimagestore.h"
#include "bridge/products/customerrecipe.h"
#include "bridge/utils.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/canister.h"
#include "core/catalogue/nutritionalinformation.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/snack.h"

#include <cmath>
#include <limits>

namespace bridge {
namespace products {

namespace {

/// Every value of a list with one decimal.
std::vector<NutritionalInformationConverter::InformationBit> bits(const NutritionalInformationList& items)
{
    std::vector<NutritionalInformationConverter::InformationBit> result;
    for (const ::NutritionalInformation& item : items)
        result.push_back(NutritionalInformationConverter::coreInformationToLeaInformation(&item, 1));
    return result;
}

int32_t scaled(double value, unsigned int decimals)
{
    const double rounded = std::round(std::trunc(std::pow(10.0, decimals)) * value);
    // Converting a value beyond the integer's range would be undefined.
    if (std::isnan(rounded))
        return 0;
    if (rounded >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (rounded <= double(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

} // namespace

NutritionalInformationConverter::InformationBit
NutritionalInformationConverter::coreInformationToLeaInformation(
    const ::NutritionalInformation* item, unsigned int decimals)
{
    InformationBit bit;
    if (!item)
        return bit;
    utils::checkCoreId(item->id());
    bit.id = static_cast<uint32_t>(item->id());
    bit.name = item->translatedName();
    bit.value = item->value().toDouble();
    bit.scaledValue = scaled(bit.value, decimals);
    bit.unit = item->unit();
    bit.decimals = decimals;
    return bit;
}

NutritionalInformationConverter::Information
NutritionalInformationConverter::coreCanisterToLeaIngredientInformation(const Canister& canister)
{
    Information information;
    information.imagePath = canister.nutritionalImage().toString();
    information.allergens = { canister.allergens() };
    information.bits = bits(canister.nutritionalInformationList());
    return information;
}

NutritionalInformationConverter::Information
NutritionalInformationConverter::coreIngredientToLeaIngredientInformation(
    const AbstractIngredient& ingredient)
{
    const Canister* canister = ingredient.canister();
    return canister ? coreCanisterToLeaIngredientInformation(*canister) : Information {};
}

NutritionalInformationConverter::Information
NutritionalInformationConverter::coreProductToLeaProductInformation(const Product& product)
{
    Information information;
    information.imagePath
        = LocalImageStore::instance().getNutritionalImage(QStringLiteral("source_nutritional"), product.id());
    if (const auto* beverage = qobject_cast<const Beverage*>(&product)) {
        if (!beverage->hasRecipe())
            return information;
        // Reading every product must not copy every recipe: the loaded one at its defaults is the same.
        const CustomerRecipe shown(*beverage, CustomerRecipe::LoadedRecipe);
        if (const Recipe* recipe = shown.get()) {
            information.bits = bits(recipe->computeNutritionalInformation(!shown.isSelection()));
            information.allergens = recipe->allergens();
        }
    } else if (const auto* snack = qobject_cast<const Snack*>(&product)) {
        information.bits = bits(snack->nutritionalInformationList());
        information.allergens = { snack->allergens() };
    }
    return information;
}

} // namespace products
} // namespace bridge
