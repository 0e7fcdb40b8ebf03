// Reading the price tables of every product through the accessor must cost
// little more than walking the loaded products and filling the same records
// by hand with the same core calls: the floor below.

#include "benchenvironment.h"
#include "bridge/payment/productsprice.h"
#include "core/catalogue/product.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "lea/payment/factory.h"
#include "support/accessors.h"
#include "support/catalogue.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace {

using LeaPrices = lea::payment::ProductsPrice;
using Table = std::map<lea::ProductDbId, LeaPrices::ProductPrices>;

const GeneratedCatalogue kShape { 10, 1, 1, 25, 12, 36, {}, 300 };

LeaPrices* gPrices = nullptr;

Table floorPrices()
{
    Table result;
    for (const Product* product : gCoreEnv->configuration()->products()) {
        const lea::ProductDbId id(static_cast<lea::ProductDbId::ValueType>(product->id()));
        if (result.find(id) != result.end())
            continue;
        LeaPrices::ProductPrices table;
        const BeveragePrice& prices = product->beveragePrice();
        for (int band = 0; band < 4; ++band) {
            LeaPrices::Prices record;
            const int cash = prices.price(BeveragePrice::Price::Cash, 5, 4, band, product->productType());
            const int cashless
                = prices.price(BeveragePrice::Price::Cashless, 5, 4, band, product->productType());
            const int mobile = prices.price(BeveragePrice::Price::Mobile, 5, 4, band, product->productType());
            const int line = product->executiveLine(BeveragePrice::Price::Executive, 5, 4, band);
            if (cash < 0 && cashless < 0 && mobile < 0 && line < 0)
                continue;
            record.cash = cash < 0 ? 0 : cash;
            record.cashless = cashless < 0 ? 0 : cashless;
            record.mobile = mobile < 0 ? 0 : mobile;
            record.executiveLine = line < 0 ? 0 : line;
            table.emplace(lea::payment::TimeBands::TimeBand(band), record);
        }
        result.emplace(id, std::move(table));
    }
    return result;
}

bool same(const LeaPrices::Prices& a, const LeaPrices::Prices& b)
{
    return a.cash == b.cash && a.cashless == b.cashless && a.mobile == b.mobile
        && a.executiveLine == b.executiveLine;
}

bool same(const Table& a, const Table& b)
{
    if (a.size() != b.size())
        return false;
    for (auto i = a.cbegin(), j = b.cbegin(); i != a.cend(); ++i, ++j) {
        if (i->first != j->first || i->second.size() != j->second.size())
            return false;
        for (auto k = i->second.cbegin(), l = j->second.cbegin(); k != i->second.cend(); ++k, ++l) {
            if (k->first != l->first || !same(k->second, l->second))
                return false;
        }
    }
    return true;
}

/// The seeded prices, every band of every product, and the floor's records equal to the accessor's.
bool checkPrices()
{
    const Table read = gPrices->productsPrices();
    bool seeded = read.size() == std::size_t(kShape.pricedBeverages);
    int i = 0;
    for (const auto& product : read) {
        seeded = seeded && product.second.size() == 4u;
        for (const auto& band : product.second) {
            const LeaPrices::Prices expected { generatedPrice(i, band.first, 0),
                generatedPrice(i, band.first, 1), generatedPrice(i, band.first, 2),
                generatedPrice(i, band.first, 3) };
            seeded = seeded && same(band.second, expected);
        }
        ++i;
    }
    if (!seeded)
        std::fprintf(stderr, "productsPrices(): not the seeded prices\n");
    const bool floor = same(read, floorPrices());
    if (!floor)
        std::fprintf(stderr, "productsPrices(): the floor builds other records than the accessor\n");
    return seeded && floor;
}

void ProductsPrice_productsPrices(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gPrices->productsPrices());
}

void ProductsPrice_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(floorPrices());
}

BENCHMARK(ProductsPrice_productsPrices)->Unit(benchmark::kMicrosecond);
BENCHMARK(ProductsPrice_floor)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    BenchEnvironment environment(argc, argv);
    if (!environment.seedCatalogue(kShape))
        return 1;
    const auto prices = createAccessor<LeaPrices>();
    if (!prices) {
        std::fprintf(stderr, "The accessor is not available.\n");
        return 1;
    }
    gPrices = prices.get();
    if (!checkPrices())
        return 1;
    return environment.run(argc, argv);
}
