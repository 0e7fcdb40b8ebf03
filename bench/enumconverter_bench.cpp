// An enumeration lookup must cost about what a hand-written switch over the
// same values costs: the largest table (logical ingredients, 37 pairs, values
// dense enough for a slot per value) and a sparse one (bit flags up to 1 << 30,
// looked up by binary search), each way, on the same pseudo-random sequence
// of listed values. The switches return the partner's plain value (-1 when
// unlisted), which the compiler may turn into a table: the strictest floor.

#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/taggedenumconverter.h"

#include <benchmark/benchmark.h>
#include <cstddef>
#include <random>
#include <vector>

namespace bench {
enum SparseFlag : unsigned {
    Flag0 = 1u << 0,
    Flag2 = 1u << 2,
    Flag4 = 1u << 4,
    Flag6 = 1u << 6,
    Flag8 = 1u << 8,
    Flag10 = 1u << 10,
    Flag12 = 1u << 12,
    Flag14 = 1u << 14,
    Flag16 = 1u << 16,
    Flag18 = 1u << 18,
    Flag20 = 1u << 20,
    Flag22 = 1u << 22,
    Flag24 = 1u << 24,
    Flag26 = 1u << 26,
    Flag28 = 1u << 28,
    Flag30 = 1u << 30
};
enum SparseCode : int {
    Code0 = -800000,
    Code1 = -699997,
    Code2 = -599994,
    Code3 = -499991,
    Code4 = -399988,
    Code5 = -299985,
    Code6 = -199982,
    Code7 = -99979,
    Code8 = 24,
    Code9 = 100027,
    Code10 = 200030,
    Code11 = 300033,
    Code12 = 400036,
    Code13 = 500039,
    Code14 = 600042,
    Code15 = 700045
};
using SparseEnumConverter = bridge::EnumConverter<SparseFlag, SparseCode>;
} // namespace bench

template <>
inline constexpr auto lguim::enumPairs<bench::SparseEnumConverter::Key> { bench::SparseEnumConverter::pairs({
    { bench::Flag0, bench::Code0 },
    { bench::Flag2, bench::Code1 },
    { bench::Flag4, bench::Code2 },
    { bench::Flag6, bench::Code3 },
    { bench::Flag8, bench::Code4 },
    { bench::Flag10, bench::Code5 },
    { bench::Flag12, bench::Code6 },
    { bench::Flag14, bench::Code7 },
    { bench::Flag16, bench::Code8 },
    { bench::Flag18, bench::Code9 },
    { bench::Flag20, bench::Code10 },
    { bench::Flag22, bench::Code11 },
    { bench::Flag24, bench::Code12 },
    { bench::Flag26, bench::Code13 },
    { bench::Flag28, bench::Code14 },
    { bench::Flag30, bench::Code15 },
}) };

namespace {

using Core = Canister;
using Lea = lea::products::Canisters;
using Dense = bridge::products::LogicalIngredientEnumConverter;
using Sparse = bench::SparseEnumConverter;

int switchToExternal(Core::LogicalCanisterId value)
{
    switch (value) {
    case Core::GreenTea:
        return Lea::Ingredient0;
    case Core::ThirdSyrup:
        return Lea::Ingredient1;
    case Core::ChaiTea:
        return Lea::Ingredient2;
    case Core::InstantCoffee:
        return Lea::Ingredient3;
    case Core::FourthSyrup:
        return Lea::Ingredient4;
    case Core::Vanilla:
        return Lea::Ingredient5;
    case Core::Sugar:
        return Lea::Ingredient6;
    case Core::CoffeeBeans:
        return Lea::Ingredient7;
    case Core::Sweetener:
        return Lea::Ingredient8;
    case Core::Creamer:
        return Lea::Ingredient9;
    case Core::Tea:
        return Lea::Ingredient10;
    case Core::Hazelnut:
        return Lea::Ingredient11;
    case Core::Cinnamon:
        return Lea::Ingredient12;
    case Core::FruitTea:
        return Lea::Ingredient13;
    case Core::Chocolate:
        return Lea::Ingredient14;
    case Core::Caramel:
        return Lea::Ingredient15;
    case Core::Cappuccino:
        return Lea::Ingredient16;
    case Core::WaterIngredient:
        return Lea::Ingredient17;
    case Core::DecafBeans:
        return Lea::Ingredient18;
    case Core::Soup:
        return Lea::Ingredient19;
    case Core::MilkPowder:
        return Lea::Ingredient20;
    case Core::LemonTea:
        return Lea::Ingredient21;
    case Core::BrownSugar:
        return Lea::Ingredient22;
    case Core::Cream:
        return Lea::Ingredient23;
    case Core::FirstSyrup:
        return Lea::Ingredient24;
    case Core::SecondSyrup:
        return Lea::Ingredient25;
    case Core::OatPowder:
        return Lea::Ingredient26;
    case Core::Cocoa:
        return Lea::Ingredient27;
    case Core::WhiteChocolate:
        return Lea::Ingredient28;
    case Core::Mocha:
        return Lea::Ingredient29;
    case Core::Matcha:
        return Lea::Ingredient30;
    case Core::GroundCoffee:
        return Lea::Ingredient31;
    case Core::SecondCoffeeBeans:
        return Lea::Ingredient32;
    case Core::SecondMilkPowder:
        return Lea::Ingredient33;
    case Core::SecondChocolate:
        return Lea::Ingredient34;
    case Core::Topping:
        return Lea::Ingredient35;
    case Core::NoIngredient:
        return Lea::NoIngredient;
    default:
        return -1;
    }
}

int switchToInternal(Lea::LogicalIngredient value)
{
    switch (value) {
    case Lea::Ingredient0:
        return Core::GreenTea;
    case Lea::Ingredient1:
        return Core::ThirdSyrup;
    case Lea::Ingredient2:
        return Core::ChaiTea;
    case Lea::Ingredient3:
        return Core::InstantCoffee;
    case Lea::Ingredient4:
        return Core::FourthSyrup;
    case Lea::Ingredient5:
        return Core::Vanilla;
    case Lea::Ingredient6:
        return Core::Sugar;
    case Lea::Ingredient7:
        return Core::CoffeeBeans;
    case Lea::Ingredient8:
        return Core::Sweetener;
    case Lea::Ingredient9:
        return Core::Creamer;
    case Lea::Ingredient10:
        return Core::Tea;
    case Lea::Ingredient11:
        return Core::Hazelnut;
    case Lea::Ingredient12:
        return Core::Cinnamon;
    case Lea::Ingredient13:
        return Core::FruitTea;
    case Lea::Ingredient14:
        return Core::Chocolate;
    case Lea::Ingredient15:
        return Core::Caramel;
    case Lea::Ingredient16:
        return Core::Cappuccino;
    case Lea::Ingredient17:
        return Core::WaterIngredient;
    case Lea::Ingredient18:
        return Core::DecafBeans;
    case Lea::Ingredient19:
        return Core::Soup;
    case Lea::Ingredient20:
        return Core::MilkPowder;
    case Lea::Ingredient21:
        return Core::LemonTea;
    case Lea::Ingredient22:
        return Core::BrownSugar;
    case Lea::Ingredient23:
        return Core::Cream;
    case Lea::Ingredient24:
        return Core::FirstSyrup;
    case Lea::Ingredient25:
        return Core::SecondSyrup;
    case Lea::Ingredient26:
        return Core::OatPowder;
    case Lea::Ingredient27:
        return Core::Cocoa;
    case Lea::Ingredient28:
        return Core::WhiteChocolate;
    case Lea::Ingredient29:
        return Core::Mocha;
    case Lea::Ingredient30:
        return Core::Matcha;
    case Lea::Ingredient31:
        return Core::GroundCoffee;
    case Lea::Ingredient32:
        return Core::SecondCoffeeBeans;
    case Lea::Ingredient33:
        return Core::SecondMilkPowder;
    case Lea::Ingredient34:
        return Core::SecondChocolate;
    case Lea::Ingredient35:
        return Core::Topping;
    case Lea::NoIngredient:
        return Core::NoIngredient;
    default:
        return -1;
    }
}

int switchToExternal(bench::SparseFlag value)
{
    switch (value) {
    case bench::Flag0:
        return bench::Code0;
    case bench::Flag2:
        return bench::Code1;
    case bench::Flag4:
        return bench::Code2;
    case bench::Flag6:
        return bench::Code3;
    case bench::Flag8:
        return bench::Code4;
    case bench::Flag10:
        return bench::Code5;
    case bench::Flag12:
        return bench::Code6;
    case bench::Flag14:
        return bench::Code7;
    case bench::Flag16:
        return bench::Code8;
    case bench::Flag18:
        return bench::Code9;
    case bench::Flag20:
        return bench::Code10;
    case bench::Flag22:
        return bench::Code11;
    case bench::Flag24:
        return bench::Code12;
    case bench::Flag26:
        return bench::Code13;
    case bench::Flag28:
        return bench::Code14;
    case bench::Flag30:
        return bench::Code15;
    default:
        return -1;
    }
}

int switchToInternal(bench::SparseCode value)
{
    switch (value) {
    case bench::Code0:
        return bench::Flag0;
    case bench::Code1:
        return bench::Flag2;
    case bench::Code2:
        return bench::Flag4;
    case bench::Code3:
        return bench::Flag6;
    case bench::Code4:
        return bench::Flag8;
    case bench::Code5:
        return bench::Flag10;
    case bench::Code6:
        return bench::Flag12;
    case bench::Code7:
        return bench::Flag14;
    case bench::Code8:
        return bench::Flag16;
    case bench::Code9:
        return bench::Flag18;
    case bench::Code10:
        return bench::Flag20;
    case bench::Code11:
        return bench::Flag22;
    case bench::Code12:
        return bench::Flag24;
    case bench::Code13:
        return bench::Flag26;
    case bench::Code14:
        return bench::Flag28;
    case bench::Code15:
        return bench::Flag30;
    default:
        return -1;
    }
}

constexpr std::size_t kSequence = 4096; // a power of two

/// The listed values of one side of a converter, drawn at random with a fixed seed.
template <class Converter, bool External> const auto& sequence()
{
    static const auto values = [] {
        const auto& table = lguim::enumPairs<typename Converter::Key>;
        std::mt19937 random(20240613);
        std::uniform_int_distribution<std::size_t> pick(0, table.size() - 1);
        std::vector<std::conditional_t<External, typename Converter::External, typename Converter::Internal>>
            values;
        for (std::size_t k = 0; k < kSequence; ++k) {
            if constexpr (External)
                values.push_back(table[pick(random)].external);
            else
                values.push_back(table[pick(random)].internal);
        }
        return values;
    }();
    return values;
}

template <class Converter> void toExternal_converter(benchmark::State& state)
{
    const auto& values = sequence<Converter, false>();
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Converter::toExternalOpt(values[k++ % kSequence]));
}

template <class Converter> void toExternal_switch(benchmark::State& state)
{
    const auto& values = sequence<Converter, false>();
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(switchToExternal(values[k++ % kSequence]));
}

template <class Converter> void toInternal_converter(benchmark::State& state)
{
    const auto& values = sequence<Converter, true>();
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Converter::toInternalOpt(values[k++ % kSequence]));
}

template <class Converter> void toInternal_switch(benchmark::State& state)
{
    const auto& values = sequence<Converter, true>();
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(switchToInternal(values[k++ % kSequence]));
}

} // namespace

BENCHMARK_TEMPLATE(toExternal_converter, Dense);
BENCHMARK_TEMPLATE(toExternal_switch, Dense);
BENCHMARK_TEMPLATE(toInternal_converter, Dense);
BENCHMARK_TEMPLATE(toInternal_switch, Dense);
BENCHMARK_TEMPLATE(toExternal_converter, Sparse);
BENCHMARK_TEMPLATE(toExternal_switch, Sparse);
BENCHMARK_TEMPLATE(toInternal_converter, Sparse);
BENCHMARK_TEMPLATE(toInternal_switch, Sparse);

BENCHMARK_MAIN();
