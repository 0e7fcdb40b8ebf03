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
} // namespace products
} // namespace bridge

namespace lguim {
template <> struct EnumPairs<AbstractPreparationStep::WaterType, lea::products::Recipes::WaterType, void>
{
    using Core = AbstractPreparationStep;
    using Lea = lea::products::Recipes;

    // The interface numbers the circuits in its own order; its Water6 and
    // Water52 have no partner, nor have the core's values 51 to 254.
    static constexpr EnumPair<AbstractPreparationStep::WaterType, lea::products::Recipes::WaterType> pairs[]
        = {
              { Core::SteamWater, Lea::Water0 },
              { bridge::products::waterCircuit(45), Lea::Water1 },
              { bridge::products::waterCircuit(27), Lea::Water2 },
              { Core::SparklingWater, Lea::Water3 },
              { bridge::products::waterCircuit(16), Lea::Water4 },
              { bridge::products::waterCircuit(7), Lea::Water5 },
              { Core::EspressoBoilerWater, Lea::Water7 },
              { Core::HotWater, Lea::Water8 },
              { Core::ColdWater, Lea::Water9 },
              { bridge::products::waterCircuit(5), Lea::Water10 },
              { bridge::products::waterCircuit(6), Lea::Water11 },
              { bridge::products::waterCircuit(8), Lea::Water12 },
              { bridge::products::waterCircuit(9), Lea::Water13 },
              { bridge::products::waterCircuit(10), Lea::Water14 },
              { bridge::products::waterCircuit(11), Lea::Water15 },
              { bridge::products::waterCircuit(12), Lea::Water16 },
              { bridge::products::waterCircuit(13), Lea::Water17 },
              { bridge::products::waterCircuit(14), Lea::Water18 },
              { bridge::products::waterCircuit(15), Lea::Water19 },
              { bridge::products::waterCircuit(17), Lea::Water20 },
              { bridge::products::waterCircuit(18), Lea::Water21 },
              { bridge::products::waterCircuit(19), Lea::Water22 },
              { bridge::products::waterCircuit(20), Lea::Water23 },
              { bridge::products::waterCircuit(21), Lea::Water24 },
              { bridge::products::waterCircuit(22), Lea::Water25 },
              { bridge::products::waterCircuit(23), Lea::Water26 },
              { bridge::products::waterCircuit(24), Lea::Water27 },
              { bridge::products::waterCircuit(25), Lea::Water28 },
              { bridge::products::waterCircuit(26), Lea::Water29 },
              { bridge::products::waterCircuit(28), Lea::Water30 },
              { bridge::products::waterCircuit(29), Lea::Water31 },
              { bridge::products::waterCircuit(30), Lea::Water32 },
              { bridge::products::waterCircuit(31), Lea::Water33 },
              { bridge::products::waterCircuit(32), Lea::Water34 },
              { bridge::products::waterCircuit(33), Lea::Water35 },
              { bridge::products::waterCircuit(34), Lea::Water36 },
              { bridge::products::waterCircuit(35), Lea::Water37 },
              { bridge::products::waterCircuit(36), Lea::Water38 },
              { bridge::products::waterCircuit(37), Lea::Water39 },
              { bridge::products::waterCircuit(38), Lea::Water40 },
              { bridge::products::waterCircuit(39), Lea::Water41 },
              { bridge::products::waterCircuit(40), Lea::Water42 },
              { bridge::products::waterCircuit(41), Lea::Water43 },
              { bridge::products::waterCircuit(42), Lea::Water44 },
              { bridge::products::waterCircuit(43), Lea::Water45 },
              { bridge::products::waterCircuit(44), Lea::Water46 },
              { bridge::products::waterCircuit(46), Lea::Water47 },
              { bridge::products::waterCircuit(47), Lea::Water48 },
              { bridge::products::waterCircuit(48), Lea::Water49 },
              { bridge::products::waterCircuit(49), Lea::Water50 },
              { Core::LastWaterCircuit, Lea::Water51 },
              { Core::NoWater, Lea::Water53 },
          };
};
} // namespace lguim

namespace bridge {
namespace products {
using WaterTypeConverter = lguim::TaggedEnumConverter<bridge::CoreEnum, AbstractPreparationStep::WaterType,
    bridge::LeaEnum, lea::products::Recipes::WaterType, void>;
} // namespace products
} // namespace bridge
