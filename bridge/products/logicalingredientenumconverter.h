#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/canister.h"
#include "lea/products/canisters.h"

namespace bridge {
namespace products {
using LogicalIngredientEnumConverter
    = EnumConverter<Canister::LogicalCanisterId, lea::products::Canisters::LogicalIngredient>;
} // namespace products
} // namespace bridge

// The interface numbers the ingredients in its own order. Its Ingredient36
// and Ingredient37 have no core partner.
template <>
inline constexpr auto lguim::enumPairs<bridge::products::LogicalIngredientEnumConverter::Key> {
    bridge::products::LogicalIngredientEnumConverter::pairs({
        { Canister::GreenTea, lea::products::Canisters::Ingredient0 },
        { Canister::ThirdSyrup, lea::products::Canisters::Ingredient1 },
        { Canister::ChaiTea, lea::products::Canisters::Ingredient2 },
        { Canister::InstantCoffee, lea::products::Canisters::Ingredient3 },
        { Canister::FourthSyrup, lea::products::Canisters::Ingredient4 },
        { Canister::Vanilla, lea::products::Canisters::Ingredient5 },
        { Canister::Sugar, lea::products::Canisters::Ingredient6 },
        { Canister::CoffeeBeans, lea::products::Canisters::Ingredient7 },
        { Canister::Sweetener, lea::products::Canisters::Ingredient8 },
        { Canister::Creamer, lea::products::Canisters::Ingredient9 },
        { Canister::Tea, lea::products::Canisters::Ingredient10 },
        { Canister::Hazelnut, lea::products::Canisters::Ingredient11 },
        { Canister::Cinnamon, lea::products::Canisters::Ingredient12 },
        { Canister::FruitTea, lea::products::Canisters::Ingredient13 },
        { Canister::Chocolate, lea::products::Canisters::Ingredient14 },
        { Canister::Caramel, lea::products::Canisters::Ingredient15 },
        { Canister::Cappuccino, lea::products::Canisters::Ingredient16 },
        { Canister::WaterIngredient, lea::products::Canisters::Ingredient17 },
        { Canister::DecafBeans, lea::products::Canisters::Ingredient18 },
        { Canister::Soup, lea::products::Canisters::Ingredient19 },
        { Canister::MilkPowder, lea::products::Canisters::Ingredient20 },
        { Canister::LemonTea, lea::products::Canisters::Ingredient21 },
        { Canister::BrownSugar, lea::products::Canisters::Ingredient22 },
        { Canister::Cream, lea::products::Canisters::Ingredient23 },
        { Canister::FirstSyrup, lea::products::Canisters::Ingredient24 },
        { Canister::SecondSyrup, lea::products::Canisters::Ingredient25 },
        { Canister::OatPowder, lea::products::Canisters::Ingredient26 },
        { Canister::Cocoa, lea::products::Canisters::Ingredient27 },
        { Canister::WhiteChocolate, lea::products::Canisters::Ingredient28 },
        { Canister::Mocha, lea::products::Canisters::Ingredient29 },
        { Canister::Matcha, lea::products::Canisters::Ingredient30 },
        { Canister::GroundCoffee, lea::products::Canisters::Ingredient31 },
        { Canister::SecondCoffeeBeans, lea::products::Canisters::Ingredient32 },
        { Canister::SecondMilkPowder, lea::products::Canisters::Ingredient33 },
        { Canister::SecondChocolate, lea::products::Canisters::Ingredient34 },
        { Canister::Topping, lea::products::Canisters::Ingredient35 },
        { Canister::NoIngredient, lea::products::Canisters::NoIngredient },
    })
};
