// Reading the nutritional information of every product through the accessor
// must cost little more than walking the loaded recipes by hand: every
// ingredient's canister values times its dose, summed by name and unit, then
// scaled to tenths, with the same image look-up, translated names and one
// read lock for the whole walk.

#include "benchenvironment.h"
#include "bridge/localimagestore.h"
#include "bridge/writerule.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/canister.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/gui/guimanager.h"
#include "lea/products/nutritionalinformation.h"
#include "support/accessors.h"
#include "support/catalogue.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

using Lea = lea::products::NutritionalInformation;

const GeneratedCatalogue kShape { 300, 4, 2, 0, 12, 36, { QLocale::English, QLocale::German }, 0, 300 };

Lea* gNutrition = nullptr;

std::map<lea::ProductDbId, Lea::Information> floorProducts()
{
    std::map<lea::ProductDbId, Lea::Information> result;
    const bridge::utils::Transaction snapshot(*gCoreEnv->configuration()->loader());
    for (const Product* product : gCoreEnv->configuration()->products()) {
        Lea::Information information;
        information.imagePath = bridge::LocalImageStore::instance().getNutritionalImage(
            QStringLiteral("source_nutritional"), product->id());
        const auto* beverage = qobject_cast<const Beverage*>(product);
        if (beverage && beverage->recipe()) {
            for (const AbstractPreparationStep* step : beverage->recipe()->preparationStepsConst()) {
                for (const AbstractIngredient* ingredient : step->ingredientsConst()) {
                    if (!ingredient->canister())
                        continue;
                    const NutritionalInformationList items
                        = ingredient->canister()->nutritionalInformationList();
                    for (const NutritionalInformation& item : items) {
                        const double value = item.value().toDouble() * ingredient->dose();
                        auto same = std::find_if(information.bits.begin(), information.bits.end(),
                            [&](const Lea::InformationBit& bit) {
                                return bit.unit == item.unit() && bit.name == item.translatedName();
                            });
                        if (same == information.bits.end()) {
                            Lea::InformationBit bit;
                            bit.id = static_cast<uint32_t>(item.id());
                            bit.name = item.translatedName();
                            bit.unit = item.unit();
                            bit.decimals = 1;
                            same = information.bits.insert(information.bits.end(), bit);
                        }
                        same->value += value;
                    }
                }
            }
            for (Lea::InformationBit& bit : information.bits)
                bit.scaledValue = static_cast<int32_t>(std::round(bit.value * 10));
        }
        result.emplace(lea::ProductDbId(static_cast<unsigned>(product->id())), std::move(information));
    }
    return result;
}

void Nutrition_allProducts(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gNutrition->allProducts());
}

void Nutrition_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(floorProducts());
}

/// The accessor and the floor agree before anything is timed.
bool checkProducts()
{
    const auto accessor = gNutrition->allProducts();
    const auto floor = floorProducts();
    bool same = accessor.size() == floor.size() && accessor.size() >= 300;
    for (auto a = accessor.cbegin(), f = floor.cbegin(); same && a != accessor.cend(); ++a, ++f) {
        same = a->first == f->first && a->second.bits.size() == f->second.bits.size();
        for (std::size_t i = 0; same && i < a->second.bits.size(); ++i)
            same = a->second.bits[i].scaledValue == f->second.bits[i].scaledValue
                && a->second.bits[i].name == f->second.bits[i].name;
    }
    if (!same)
        std::fprintf(stderr, "The accessor and the floor disagree.\n");
    return same;
}

} // namespace

BENCHMARK(Nutrition_allProducts)->Unit(benchmark::kMicrosecond);
BENCHMARK(Nutrition_floor)->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[])
{
    BenchEnvironment environment(argc, argv);
    Configuration* configuration = environment.seedCatalogue(kShape, QLocale::German);
    if (!configuration)
        return 1;
    // Three values per gram on every canister.
    for (const Canister* canister : configuration->canisters()) {
        ConfigurationLoader::NutritionalRecord record {
            { { QStringLiteral("Energy"), 3.5, QStringLiteral("kcal") },
                { QStringLiteral("Fat"), 0.125, QStringLiteral("g") },
                { QStringLiteral("Sugar"), 0.3, QStringLiteral("g") } },
            {}, {}
        };
        if (!configuration->loader()->saveNutritionalRecord(
                ConfigurationLoader::NutritionalOwner::Canister, canister->id(), record)) {
            std::fprintf(stderr, "Storing the nutritional values failed.\n");
            return 1;
        }
    }
    environment.machine().core().loadConfiguration();
    const auto nutrition = createAccessor<Lea>();
    if (!nutrition) {
        std::fprintf(stderr, "The accessor is not available.\n");
        return 1;
    }
    gNutrition = nutrition.get();
    if (!checkProducts())
        return 1;
    return environment.run(argc, argv);
}
