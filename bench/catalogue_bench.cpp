// Reading the whole catalogue through the products accessors must cost little
// more than walking the loaded core objects and filling the same records by
// hand. Each floor below is that hand-written walk: the same fields, the same
// core calls, translations looked up in an index of the typed strings built
// once per call.

#include "benchenvironment.h"
#include "bridge/products/categorytypeenumconverter.h"
#include "bridge/products/cuptypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/utils.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/canister.h"
#include "core/catalogue/category.h"
#include "core/catalogue/product.h"
#include "core/catalogue/recipe.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "lea/products/factory.h"
#include "support/accessors.h"
#include "support/catalogue.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <QCoreApplication>
#include <QHash>
#include <vector>

namespace {

using LeaRecipes = lea::products::Recipes;
using LeaCategories = lea::products::Categories;
using LeaCanisters = lea::products::Canisters;
using LeaProducts = lea::products::Products;
using lea::products::AnyCategoryId;

const GeneratedCatalogue kShape { 1000, 4, 2, 60, 12, 36,
    { QLocale::English, QLocale::German, QLocale::French, QLocale::Italian, QLocale::Spanish, QLocale::Dutch,
        QLocale::Portuguese, QLocale::Polish },
    0, 300 };

LeaRecipes* gRecipes = nullptr;
LeaProducts* gProducts = nullptr;
LeaCategories* gCategories = nullptr;
LeaCanisters* gCanisters = nullptr;

// --- Floors ----------------------------------------------------------------

/// The translations of the texts of one type in the offered languages, from
/// one pass over the typed strings.
class TranslationIndex
{
public:
    explicit TranslationIndex(TypedString::StringType type)
        : m_offered(gGuiEnv->guiManager()->availableLanguages())
    {
        const QList<TypedString*> strings
            = gCoreEnv->configurationGroup()->translationsManager()->typedStringsFromType(type);
        m_strings.reserve(strings.size());
        for (const TypedString* string : strings) {
            // Of two strings with one original, the first counts.
            if (!m_strings.contains(string->originalString()))
                m_strings.insert(string->originalString(), string);
        }
    }

    std::vector<lea::Translation> of(const QString& original) const
    {
        std::vector<lea::Translation> result;
        const TypedString* string = m_strings.value(original);
        if (!string)
            return result;
        const QMap<QLocale::Language, QString> translations = string->translations();
        for (auto it = translations.cbegin(); it != translations.cend(); ++it) {
            if (m_offered.contains(it.key())) {
                lea::Translation translation;
                translation.language = it.key();
                translation.text = it.value();
                result.push_back(std::move(translation));
            }
        }
        return result;
    }

private:
    QList<QLocale::Language> m_offered;
    QHash<QString, const TypedString*> m_strings;
};

std::map<lea::RecipeDbId, LeaRecipes::Recipe> floorRecipes()
{
    const Configuration& configuration = *gCoreEnv->configuration();
    const TranslationIndex names(TypedString::RecipeName);
    std::map<lea::RecipeDbId, LeaRecipes::Recipe> result;
    for (const Recipe* core : configuration.recipes()) {
        const lea::RecipeDbId id(static_cast<lea::RecipeDbId::ValueType>(core->dbId()));
        if (result.find(id) != result.end())
            continue;
        LeaRecipes::Recipe record;
        for (const AbstractPreparationStep* step : core->preparationSteps())
            record.steps.push_back(
                lea::RecipeStepDbId(static_cast<lea::RecipeStepDbId::ValueType>(step->dbId())));
        for (const RecipeCustomization* customization : core->customizations())
            record.customizations.push_back(lea::CustomizationDbId(
                static_cast<lea::CustomizationDbId::ValueType>(customization->dbId())));
        record.name = core->name();
        record.translations = names.of(record.name);
        record.hasStirrer = core->hasStirrer();
        record.hasCup = core->hasCup();
        record.dripTime_cs = core->dripTimeCS();
        record.dispensingTime = core->erogationTime();
        record.cupType = bridge::products::CupTypeEnumConverter::toExternalOrThrow(core->cupType());
        record.cupDropTurret = static_cast<uint8_t>(core->cupToDropFromTurret());
        record.validForLayout = core->isValidForLayout();
        record.valid = core->isValid();
        record.extraText = core->extraText();
        result.emplace(id, std::move(record));
    }
    return result;
}

std::map<AnyCategoryId, LeaCategories::Category> floorCategories()
{
    const Configuration& configuration = *gCoreEnv->configuration();
    const TranslationIndex titles(TypedString::CategoryTitle);
    std::map<AnyCategoryId, LeaCategories::Category> result;
    int displayedCount = 0;
    // Reading needs no copies of the categories.
    for (const Category* core : configuration.getAllCategories(true)) {
        LeaCategories::Category record;
        record.type = bridge::products::CategoryTypeEnumConverter::toExternalOrThrow(core->categoryType());
        record.displayed = core->isDisplayed();
        if (record.displayed)
            record.position = static_cast<uint8_t>(displayedCount++);
        record.available = core->isAvailable();
        record.title = core->title();
        record.translations = titles.of(record.title);
        record.rows = static_cast<uint8_t>(core->rows());
        record.columns = static_cast<uint8_t>(core->columns());
        const QList<int> products = core->productIds();
        record.products.reserve(static_cast<std::size_t>(products.size()));
        for (const int product : products) {
            record.products.push_back(bridge::utils::idFromCoreOpt<lea::ProductDbId>(product));
        }
        record.extraText = core->extraText();
        result.emplace(bridge::utils::idFromCoreOpt<lea::CategoryDbId>(core->id()), std::move(record));
    }
    return result;
}

std::vector<LeaCanisters::Canister> floorCanisters()
{
    const Configuration& configuration = *gCoreEnv->configuration();
    const TranslationIndex names(TypedString::CanisterName);
    const nonstd::optional<QLocale::Language> language = gGuiEnv->guiManager()->currentLanguage();
    const PhysicalMachine* physicalMachine = configuration.physicalMachine();
    std::vector<LeaCanisters::Canister> result;
    for (const Canister* core : configuration.canisters()) {
        LeaCanisters::Canister record;
        record.id = lea::CanisterDbId(static_cast<lea::CanisterDbId::ValueType>(core->id()));
        record.name = core->name();
        record.translations = names.of(record.name);
        const LeaCanisters::LogicalIngredient logical
            = bridge::products::LogicalIngredientEnumConverter::toExternalOrThrow(core->logicalCanisterId());
        if (logical != LeaCanisters::NoIngredient) {
            LeaCanisters::Ingredient ingredient;
            ingredient.logicalIngredient = logical;
            ingredient.productName = core->productName();
            if (language) {
                lea::Translation translation;
                translation.language = *language;
                translation.text = QCoreApplication::translate(
                    "Canister", ingredient.productName.toLocal8Bit().constData());
                ingredient.productNameTranslations.push_back(std::move(translation));
            }
            record.ingredient = std::move(ingredient);
        }
        record.available = core->isAvailable();
        // Fresh-product canisters carry the flag.
        record.typeFlag = core->type() == 3;
        QString allergens = core->allergens();
        if (!allergens.isEmpty()) {
            if (allergens.endsWith(QLatin1Char(',')))
                allergens.chop(1);
            for (const QString& allergen : allergens.split(QLatin1Char(','), Qt::KeepEmptyParts))
                record.allergens.push_back(allergen);
        }
        record.installed = physicalMachine && physicalMachine->canisterByType(core->logicalCanisterId());
        result.push_back(std::move(record));
    }
    return result;
}

// --- Agreement of accessor and floor -----------------------------------------

bool sameTranslations(const std::vector<lea::Translation>& a, const std::vector<lea::Translation>& b);

std::map<lea::ProductDbId, LeaProducts::BasicProduct> floorProducts()
{
    const Configuration& configuration = *gCoreEnv->configuration();
    const TranslationIndex names(TypedString::BeverageName);
    std::map<lea::ProductDbId, LeaProducts::BasicProduct> result;
    for (const Product* core : configuration.products()) {
        const lea::ProductDbId id(static_cast<lea::ProductDbId::ValueType>(core->id()));
        if (core->id() < 0 || result.find(id) != result.end())
            continue;
        LeaProducts::BasicProduct record;
        record.name = core->name();
        record.enabledFlag = core->isEnabled();
        record.available = core->isAvailable();
        for (int bit = 0; bit < 8; ++bit) {
            if (core->productAttributeRole() & (1 << bit))
                record.attributes.insert(LeaProducts::Attribute(bit));
        }
        record.productType = LeaProducts::ProductType(core->productType() - 1);
        if (core->itemNumber() >= 0)
            record.itemNumber = core->itemNumber();
        record.extraText = core->extraText();
        record.translations = names.of(record.name);
        result.emplace(id, std::move(record));
    }
    return result;
}

bool same(const LeaProducts::BasicProduct& a, const LeaProducts::BasicProduct& b)
{
    return a.name == b.name && a.attributes == b.attributes && a.productType == b.productType
        && a.available == b.available && a.itemNumber == b.itemNumber && a.upsellings == b.upsellings
        && sameTranslations(a.translations, b.translations);
}

bool sameTranslations(const std::vector<lea::Translation>& a, const std::vector<lea::Translation>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].language != b[i].language || a[i].text != b[i].text)
            return false;
    }
    return true;
}

bool same(const LeaRecipes::Recipe& a, const LeaRecipes::Recipe& b)
{
    return a.name == b.name && sameTranslations(a.translations, b.translations)
        && a.hasStirrer == b.hasStirrer && a.hasCup == b.hasCup && a.dripTime_cs == b.dripTime_cs
        && a.dispensingTime == b.dispensingTime && a.steps == b.steps && a.customizations == b.customizations
        && a.cupType == b.cupType && a.cupDropTurret == b.cupDropTurret
        && a.validForLayout == b.validForLayout && a.valid == b.valid && a.extraText == b.extraText;
}

bool same(const LeaCategories::Category& a, const LeaCategories::Category& b)
{
    return a.type == b.type && a.displayed == b.displayed && a.position == b.position
        && a.available == b.available && a.title == b.title
        && sameTranslations(a.translations, b.translations) && a.rows == b.rows && a.columns == b.columns
        && a.products == b.products && a.extraText == b.extraText;
}

bool same(const LeaCanisters::Canister& a, const LeaCanisters::Canister& b)
{
    const bool sameIngredient = a.ingredient.has_value() == b.ingredient.has_value()
        && (!a.ingredient
            || (a.ingredient->logicalIngredient == b.ingredient->logicalIngredient
                && a.ingredient->productName == b.ingredient->productName
                && sameTranslations(
                    a.ingredient->productNameTranslations, b.ingredient->productNameTranslations)));
    return a.id == b.id && a.name == b.name && sameTranslations(a.translations, b.translations)
        && sameIngredient && a.available == b.available && a.typeFlag == b.typeFlag
        && a.allergens == b.allergens && a.installed == b.installed;
}

template <class Map> bool sameMaps(const Map& a, const Map& b)
{
    if (a.size() != b.size())
        return false;
    for (auto i = a.cbegin(), j = b.cbegin(); i != a.cend(); ++i, ++j) {
        if (!(i->first == j->first) || !same(i->second, j->second))
            return false;
    }
    return true;
}

bool sameVectors(const std::vector<LeaCanisters::Canister>& a, const std::vector<LeaCanisters::Canister>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!same(a[i], b[i]))
            return false;
    }
    return true;
}

bool report(bool ok, const char* area, const char* what)
{
    if (!ok)
        std::fprintf(stderr, "%s: %s\n", area, what);
    return ok;
}

/// The catalogue must be the one described above, fully translated, and each
/// floor must build exactly what its accessor returns.
bool checkCatalogue()
{
    const std::size_t languages = std::size_t(kShape.languages.size());
    const auto recipes = gRecipes->recipes();
    bool recipesOk = recipes.size() == std::size_t(kShape.recipes);
    for (const auto& entry : recipes) {
        recipesOk = recipesOk && entry.second.steps.size() == std::size_t(kShape.stepsPerRecipe)
            && entry.second.translations.size() == languages && entry.second.validForLayout;
        for (const lea::RecipeStepDbId step : entry.second.steps) {
            const auto record = gRecipes->step(step);
            recipesOk
                = recipesOk && record && record->ingredients.size() == std::size_t(kShape.ingredientsPerStep);
        }
    }
    const auto categories = gCategories->categories();
    bool categoriesOk = categories.size() == std::size_t(kShape.categories);
    for (const auto& entry : categories)
        categoriesOk = categoriesOk && entry.second.translations.size() == languages;
    const auto canisters = gCanisters->canisters();
    bool canistersOk = canisters.size() == std::size_t(kShape.canisters);
    for (const auto& canister : canisters)
        canistersOk = canistersOk && canister.translations.size() == languages && canister.installed;

    const char* const unlike = "not the seeded catalogue";
    const char* const differ = "the floor builds other records than the accessor";
    const bool shapes = report(recipesOk, "recipes()", unlike) & report(categoriesOk, "categories()", unlike)
        & report(canistersOk, "canisters()", unlike);
    const auto products = gProducts->products();
    const bool productsOk = products.size() == 300u;
    const bool floors = report(productsOk, "products()", unlike)
        & report(sameMaps(products, floorProducts()), "products()", differ)
        & report(sameMaps(recipes, floorRecipes()), "recipes()", differ)
        & report(sameMaps(categories, floorCategories()), "categories()", differ)
        & report(sameVectors(canisters, floorCanisters()), "canisters()", differ);
    return shapes && floors;
}

// --- Benchmarks --------------------------------------------------------------

void Recipes_recipes(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gRecipes->recipes());
}

void Recipes_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(floorRecipes());
}

void Categories_categories(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gCategories->categories());
}

void Categories_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(floorCategories());
}

void Canisters_canisters(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gCanisters->canisters());
}

void Canisters_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(floorCanisters());
}

void Products_products(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gProducts->products());
}

void Products_floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(floorProducts());
}

// Every step of the catalogue read one by one: a look-up by id each.
void Recipes_stepByStep(benchmark::State& state)
{
    std::vector<lea::RecipeStepDbId> steps;
    for (const Recipe* recipe : gCoreEnv->configuration()->recipes()) {
        for (const AbstractPreparationStep* step : recipe->preparationSteps())
            steps.push_back(lea::RecipeStepDbId(static_cast<unsigned>(step->dbId())));
    }
    for (auto _ : state) {
        for (const lea::RecipeStepDbId id : steps)
            benchmark::DoNotOptimize(gRecipes->step(id));
    }
}

BENCHMARK(Products_products)->Unit(benchmark::kMicrosecond);
BENCHMARK(Products_floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(Recipes_stepByStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(Recipes_recipes)->Unit(benchmark::kMicrosecond);
BENCHMARK(Recipes_floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(Categories_categories)->Unit(benchmark::kMicrosecond);
BENCHMARK(Categories_floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(Canisters_canisters)->Unit(benchmark::kMicrosecond);
BENCHMARK(Canisters_floor)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    BenchEnvironment environment(argc, argv);
    Configuration* configuration = environment.seedCatalogue(kShape, QLocale::German);
    if (!configuration)
        return 1;
    for (int i = 0; i < kShape.canisters; ++i)
        configuration->physicalMachine()->addCanister(generatedLogicalId(i));

    const auto recipes = createAccessor<LeaRecipes>();
    const auto categories = createAccessor<LeaCategories>();
    const auto canisters = createAccessor<LeaCanisters>();
    const auto products = createAccessor<LeaProducts>();
    if (!recipes || !categories || !canisters) {
        std::fprintf(stderr, "An accessor is not available.\n");
        return 1;
    }
    gRecipes = recipes.get();
    gCategories = categories.get();
    gCanisters = canisters.get();
    gProducts = products.get();
    if (!checkCatalogue())
        return 1;
    return environment.run(argc, argv);
}
