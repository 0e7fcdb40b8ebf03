#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "lea/products/recipes.h"

namespace bridge {
namespace products {
/// A core water circuit by number: the core names only a few of them.
constexpr AbstractPreparationStep::WaterType waterCircuit(int number)
{
    return static_cast<AbstractPreparationStep::WaterType>(number);
}

using WaterTypeEnumConverter
    = EnumConverter<AbstractPreparationStep::WaterType, lea::products::Recipes::WaterType>;
} // namespace products
} // namespace bridge

// The interface numbers the circuits in its own order; its Water6 and
// Water52 have no partner, nor have the core's values 51 to 254.
template <>
inline constexpr auto lguim::enumPairs<bridge::products::WaterTypeEnumConverter::Key> {
    bridge::products::WaterTypeEnumConverter::pairs({
        { AbstractPreparationStep::SteamWater, lea::products::Recipes::Water0 },
        { bridge::products::waterCircuit(45), lea::products::Recipes::Water1 },
        { bridge::products::waterCircuit(27), lea::products::Recipes::Water2 },
        { AbstractPreparationStep::SparklingWater, lea::products::Recipes::Water3 },
        { bridge::products::waterCircuit(16), lea::products::Recipes::Water4 },
        { bridge::products::waterCircuit(7), lea::products::Recipes::Water5 },
        { AbstractPreparationStep::EspressoBoilerWater, lea::products::Recipes::Water7 },
        { AbstractPreparationStep::HotWater, lea::products::Recipes::Water8 },
        { AbstractPreparationStep::ColdWater, lea::products::Recipes::Water9 },
        { bridge::products::waterCircuit(5), lea::products::Recipes::Water10 },
        { bridge::products::waterCircuit(6), lea::products::Recipes::Water11 },
        { bridge::products::waterCircuit(8), lea::products::Recipes::Water12 },
        { bridge::products::waterCircuit(9), lea::products::Recipes::Water13 },
        { bridge::products::waterCircuit(10), lea::products::Recipes::Water14 },
        { bridge::products::waterCircuit(11), lea::products::Recipes::Water15 },
        { bridge::products::waterCircuit(12), lea::products::Recipes::Water16 },
        { bridge::products::waterCircuit(13), lea::products::Recipes::Water17 },
        { bridge::products::waterCircuit(14), lea::products::Recipes::Water18 },
        { bridge::products::waterCircuit(15), lea::products::Recipes::Water19 },
        { bridge::products::waterCircuit(17), lea::products::Recipes::Water20 },
        { bridge::products::waterCircuit(18), lea::products::Recipes::Water21 },
        { bridge::products::waterCircuit(19), lea::products::Recipes::Water22 },
        { bridge::products::waterCircuit(20), lea::products::Recipes::Water23 },
        { bridge::products::waterCircuit(21), lea::products::Recipes::Water24 },
        { bridge::products::waterCircuit(22), lea::products::Recipes::Water25 },
        { bridge::products::waterCircuit(23), lea::products::Recipes::Water26 },
        { bridge::products::waterCircuit(24), lea::products::Recipes::Water27 },
        { bridge::products::waterCircuit(25), lea::products::Recipes::Water28 },
        { bridge::products::waterCircuit(26), lea::products::Recipes::Water29 },
        { bridge::products::waterCircuit(28), lea::products::Recipes::Water30 },
        { bridge::products::waterCircuit(29), lea::products::Recipes::Water31 },
        { bridge::products::waterCircuit(30), lea::products::Recipes::Water32 },
        { bridge::products::waterCircuit(31), lea::products::Recipes::Water33 },
        { bridge::products::waterCircuit(32), lea::products::Recipes::Water34 },
        { bridge::products::waterCircuit(33), lea::products::Recipes::Water35 },
        { bridge::products::waterCircuit(34), lea::products::Recipes::Water36 },
        { bridge::products::waterCircuit(35), lea::products::Recipes::Water37 },
        { bridge::products::waterCircuit(36), lea::products::Recipes::Water38 },
        { bridge::products::waterCircuit(37), lea::products::Recipes::Water39 },
        { bridge::products::waterCircuit(38), lea::products::Recipes::Water40 },
        { bridge::products::waterCircuit(39), lea::products::Recipes::Water41 },
        { bridge::products::waterCircuit(40), lea::products::Recipes::Water42 },
        { bridge::products::waterCircuit(41), lea::products::Recipes::Water43 },
        { bridge::products::waterCircuit(42), lea::products::Recipes::Water44 },
        { bridge::products::waterCircuit(43), lea::products::Recipes::Water45 },
        { bridge::products::waterCircuit(44), lea::products::Recipes::Water46 },
        { bridge::products::waterCircuit(46), lea::products::Recipes::Water47 },
        { bridge::products::waterCircuit(47), lea::products::Recipes::Water48 },
        { bridge::products::waterCircuit(48), lea::products::Recipes::Water49 },
        { bridge::products::waterCircuit(49), lea::products::Recipes::Water50 },
        { AbstractPreparationStep::LastWaterCircuit, lea::products::Recipes::Water51 },
        { AbstractPreparationStep::NoWater, lea::products::Recipes::Water53 },
    })
};
