#pragma once

#include "lea/products/nutritionalinformation.h"

class AbstractIngredient;
class Canister;
class NutritionalInformation;
class Product;

namespace bridge {
namespace products {

/// Converts the core's nutritional values and their owners to interface records.
class NutritionalInformationConverter
{
public:
    using InformationBit = lea::products::NutritionalInformation::InformationBit;
    using Information = lea::products::NutritionalInformation::Information;

    /// `scaledValue` is the value times 10 to the power `decimals`, rounded
    /// half away from zero and held to the 32-bit range (0 for a value that is no number).
    static InformationBit coreInformationToLeaInformation(
        const ::NutritionalInformation* item, unsigned int decimals);
    /// The allergen text is kept whole, as one entry.
    static Information coreCanisterToLeaIngredientInformation(const Canister& canister);
    /// The record of the ingredient's canister; empty without canister.
    static Information coreIngredientToLeaIngredientInformation(const AbstractIngredient& ingredient);
    /// A beverage's values follow the current selection's choices when it is
    /// the one selected, else its recipe's defaults.
    static Information coreProductToLeaProductInformation(const Product& product);
};

} // namespace products
} // namespace bridge
