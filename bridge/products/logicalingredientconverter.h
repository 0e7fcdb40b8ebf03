#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/canister.h"
#include "lea/products/canisters.h"

namespace lguim {
template <> struct EnumPairs<Canister::LogicalCanisterId, lea::products::Canisters::LogicalIngredient, void>
{
    using Core = Canister;
    using Lea = lea::products::Canisters;

    // The interface numbers the ingredients in its own order. Its Ingredient36
    // and Ingredient37 have no core partner.
    static constexpr EnumPair<Canister::LogicalCanisterId, lea::products::Canisters::LogicalIngredient>
        pairs[] = {
            { Core::GreenTea, Lea::Ingredient0 },
            { Core::ThirdSyrup, Lea::Ingredient1 },
            { Core::ChaiTea, Lea::Ingredient2 },
            { Core::InstantCoffee, Lea::Ingredient3 },
            { Core::FourthSyrup, Lea::Ingredient4 },
            { Core::Vanilla, Lea::Ingredient5 },
            { Core::Sugar, Lea::Ingredient6 },
            { Core::CoffeeBeans, Lea::Ingredient7 },
            { Core::Sweetener, Lea::Ingredient8 },
            { Core::Creamer, Lea::Ingredient9 },
            { Core::Tea, Lea::Ingredient10 },
            { Core::Hazelnut, Lea::Ingredient11 },
            { Core::Cinnamon, Lea::Ingredient12 },
            { Core::FruitTea, Lea::Ingredient13 },
            { Core::Chocolate, Lea::Ingredient14 },
            { Core::Caramel, Lea::Ingredient15 },
            { Core::Cappuccino, Lea::Ingredient16 },
            { Core::WaterIngredient, Lea::Ingredient17 },
            { Core::DecafBeans, Lea::Ingredient18 },
            { Core::Soup, Lea::Ingredient19 },
            { Core::MilkPowder, Lea::Ingredient20 },
            { Core::LemonTea, Lea::Ingredient21 },
            { Core::BrownSugar, Lea::Ingredient22 },
            { Core::Cream, Lea::Ingredient23 },
            { Core::FirstSyrup, Lea::Ingredient24 },
            { Core::SecondSyrup, Lea::Ingredient25 },
            { Core::OatPowder, Lea::Ingredient26 },
            { Core::Cocoa, Lea::Ingredient27 },
            { Core::WhiteChocolate, Lea::Ingredient28 },
            { Core::Mocha, Lea::Ingredient29 },
            { Core::Matcha, Lea::Ingredient30 },
            { Core::GroundCoffee, Lea::Ingredient31 },
            { Core::SecondCoffeeBeans, Lea::Ingredient32 },
            { Core::SecondMilkPowder, Lea::Ingredient33 },
            { Core::SecondChocolate, Lea::Ingredient34 },
            { Core::Topping, Lea::Ingredient35 },
            { Core::NoIngredient, Lea::NoIngredient },
        };
};
} // namespace lguim

namespace bridge {
namespace products {
using LogicalIngredientConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, Canister::LogicalCanisterId,
    bridge::LeaEnum, lea::products::Canisters::LogicalIngredient, void>;
} // namespace products
} // namespace bridge
