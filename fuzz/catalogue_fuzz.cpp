// Sequences of catalogue writes through the products accessors, with a
// memory-equals-database check after each: the catalogue as the accessors
// show it must read the same once the configuration is loaded again from the
// database. Input: up to eight operations, each an operation byte followed by
// its arguments (see the Operation list); ids are mostly picked from the
// catalogue as it is, texts are arbitrary.
//
// Every input starts from a copy of the same seeded database, so that a
// finding replays on its own.

#include "bridge/products/canisters.h"
#include "bridge/products/categories.h"
#include "bridge/products/customizations.h"
#include "bridge/products/recipes.h"
#include "core/catalogue/category.h"
#include "core/catalogue/drysugaringredient.h"
#include "core/catalogue/drysugarpreparationstep.h"
#include "core/catalogue/espressoingredient.h"
#include "core/catalogue/espressopreparationstep.h"
#include "core/catalogue/instantingredient.h"
#include "core/catalogue/instantpreparationstep.h"
#include "core/catalogue/powderdosageadjustment.h"
#include "core/catalogue/recipe.h"
#include "core/catalogue/recipecustomization.h"
#include "core/catalogue/waterdosageadjustment.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/coresimulator.h"
#include "core/database/abstractdatabase.h"
#include "core/gui/guimanager.h"
#include "core/log/logsink.h"
#include "fuzzinput.h"

#include <algorithm>
#include <memory>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <stdexcept>
#include <vector>

namespace {

using LeaRecipes = lea::products::Recipes;
using LeaCategories = lea::products::Categories;
using LeaCustomizations = lea::products::Customizations;
using LeaCanisters = lea::products::Canisters;

QTemporaryDir* directory = nullptr;

QString seedPath()
{
    return directory->filePath(QStringLiteral("seed.sqlite"));
}

QString workPath()
{
    return directory->filePath(QStringLiteral("machine.sqlite"));
}

const QList<QLocale::Language> kOffered = { QLocale::English, QLocale::German, QLocale::French };

// --- The seeded catalogue ------------------------------------------------------

class Seeder
{
public:
    explicit Seeder(ConfigurationGroup& group)
        : m_group(group)
    {
        m_loader.setDatabase(group.database());
    }

    void seed()
    {
        QSqlDatabase db = m_group.database()->database();
        FUZZ_CHECK(db.transaction());
        canister(Canister::CoffeeBeans, "Beans", 20, 80);
        canister(Canister::MilkPowder, "Milk powder", 10, 90);
        canister(Canister::Sugar, "Sugar", 0, 100);
        FUZZ_CHECK(m_loader.saveGlobalAllergens(1, QStringLiteral("gluten,nuts")));

        const int espresso = recipe("Espresso");
        const int extraction = espressoStep(espresso, -1);
        DrySugarPreparationStep sugarStep;
        sugarStep.setDescription(QStringLiteral("Sugar"));
        const int sugarStepId = link(sugarStep, espresso, extraction);
        DrySugarIngredient sugar;
        ingredient(sugar, Canister::Sugar, 5, sugarStepId);

        const int cappuccino = recipe("Cappuccino");
        const int coffee = espressoStep(cappuccino, -1);
        InstantPreparationStep milkStep;
        milkStep.setDescription(QStringLiteral("Milk"));
        milkStep.setDose(80);
        milkStep.setMixerSpeed(InstantPreparationStep::HighMixerSpeed);
        const int milkStepId = link(milkStep, cappuccino, coffee);
        InstantIngredient milk;
        milk.setPowderSpeed(60);
        milk.setPowderCycle(InstantIngredient::PulsedPowderCycle, 4);
        ingredient(milk, Canister::MilkPowder, 12, milkStepId);

        RecipeCustomization strength(RecipeCustomization::StrengthCustomization, QStringLiteral("Strength"),
            1, 1, 3, 0.2f, 0, 0, RecipeCustomization::BeanIcon, 0, 0);
        FUZZ_CHECK(m_loader.saveCustomization(&strength, espresso));
        PowderDosageAdjustment stronger(&strength, Canister::CoffeeBeans, -20, 20);
        FUZZ_CHECK(m_loader.saveAdjustment(&stronger, espresso));
        RecipeCustomization milkChoice(RecipeCustomization::MilkCustomization, QStringLiteral("Milk"), 0, 0,
            2, 0.3f, 0, 0, RecipeCustomization::DropIcon, 0, 0);
        FUZZ_CHECK(m_loader.saveCustomization(&milkChoice, cappuccino));
        WaterDosageAdjustment moreMilk(&milkChoice, AbstractPreparationStep::InstantStep, -10, 30);
        FUZZ_CHECK(m_loader.saveAdjustment(&moreMilk, cappuccino));

        category(Category::HotDrinksCategory, "Hot drinks", true);
        category(Category::StandardCategory, "Seasonal", false);
        FUZZ_CHECK(m_loader.saveDisplayedCategories(1, m_categories, 3, 2, true));
        FUZZ_CHECK(db.commit());

        TranslationsManager& translations = *m_group.translationsManager();
        translations.addTranslation(
            QStringLiteral("Espresso"), TypedString::RecipeName, QLocale::German, QStringLiteral("Espresso"));
        translations.addTranslation(QStringLiteral("Hot drinks"), TypedString::CategoryTitle, QLocale::German,
            QStringLiteral("Heißgetränke"));
        FUZZ_CHECK(translations.save());
    }

private:
    void canister(
        Canister::LogicalCanisterId logicalId, const char* name, int calibrationMin, int calibrationMax)
    {
        Canister canister;
        canister.setLogicalCanisterId(logicalId);
        canister.setName(QString::fromUtf8(name));
        canister.setProductName(QString::fromUtf8(name));
        canister.setCalibrationMin(calibrationMin);
        canister.setCalibrationMax(calibrationMax);
        canister.powderLevel()->setWeightWhenFull(calibrationMax * 20);
        canister.powderLevel()->setCurrentValue(4000);
        FUZZ_CHECK(m_loader.saveCanister(&canister));
    }

    int recipe(const char* name)
    {
        Recipe recipe(
            QString::fromUtf8(name), true, true, 150, Recipe::StandardCup, Product::FirstTurret, false);
        FUZZ_CHECK(m_loader.saveRecipe(&recipe));
        return recipe.dbId();
    }

    int link(AbstractPreparationStep& step, int recipeId, int previousStepId)
    {
        FUZZ_CHECK(m_loader.savePreparationStep(&step));
        FUZZ_CHECK(m_loader.addStepToRecipe(recipeId, step.dbId(), previousStepId));
        return step.dbId();
    }

    int espressoStep(int recipeId, int previousStepId)
    {
        EspressoPreparationStep step;
        step.setDescription(QStringLiteral("Extraction"));
        step.setDose(30);
        step.setPreInfusionDose(6);
        step.setPreInfusionTime(1500);
        const int id = link(step, recipeId, previousStepId);
        EspressoIngredient coffee;
        ingredient(coffee, Canister::CoffeeBeans, 8, id);
        return id;
    }

    void ingredient(
        AbstractIngredient& ingredient, Canister::LogicalCanisterId canister, int dose, int stepId)
    {
        ingredient.setCanisterId(canister);
        ingredient.setProductId(int(canister));
        ingredient.setDose(dose);
        FUZZ_CHECK(m_loader.saveIngredient(&ingredient, stepId));
    }

    void category(Category::CategoryType type, const char* title, bool displayed)
    {
        auto* category = new Category(&m_owner);
        category->setCategoryType(type);
        category->setTitle(QString::fromUtf8(title));
        category->setIsDisplayed(displayed);
        FUZZ_CHECK(m_loader.saveCategoryInfos(category));
        m_categories << category;
    }

    ConfigurationGroup& m_group;
    ConfigurationLoader m_loader;
    QObject m_owner;
    QList<Category*> m_categories;
};

// --- Rendering -----------------------------------------------------------------

class Render
{
public:
    template <class T> Render& operator<<(const T& value)
    {
        m_stream << value << ' ';
        return *this;
    }
    Render& operator<<(const QString& text)
    {
        // Quoted and measured, so that no two renderings of different texts agree.
        m_stream << text.size() << '"' << text << "\" ";
        return *this;
    }
    Render& operator<<(bool value) { return *this << int(value); }
    template <class T> Render& operator<<(const nonstd::optional<T>& value)
    {
        if (!value)
            return *this << "none";
        return *this << *value;
    }
    template <class Tag, class T> Render& operator<<(const lea::priv::NewType<Tag, T>& id)
    {
        return *this << "#" << id.value();
    }
    template <class T> Render& operator<<(const std::vector<T>& list)
    {
        *this << "[";
        for (const T& item : list)
            *this << item;
        return *this << "]";
    }
    Render& operator<<(const lea::Translation& translation)
    {
        return *this << int(translation.language) << translation.text;
    }
    Render& line()
    {
        m_stream << '\n';
        return *this;
    }
    QString text()
    {
        m_stream.flush();
        return m_text;
    }

private:
    QString m_text;
    QTextStream m_stream { &m_text };
};

struct Accessors
{
    bridge::products::Recipes recipes { nullptr };
    bridge::products::Categories categories { nullptr };
    bridge::products::Customizations customizations { nullptr };
    bridge::products::Canisters canisters { nullptr };
};

/// The ids the catalogue holds now, to pick from.
struct Known
{
    std::vector<unsigned> recipes;
    std::vector<unsigned> steps;
    /// The steps a loaded recipe links.
    std::vector<unsigned> linkedSteps;
    std::vector<unsigned> ingredients;
    std::vector<unsigned> customizations;
    std::vector<unsigned> adjustments;
    std::vector<unsigned> categories;
    std::vector<unsigned> canisters;
};

/// The catalogue as the accessors show it; fills `known` on the way.
QString render(Accessors& accessors, Known& known, const std::vector<unsigned>& createdSteps)
{
    known = Known {};
    known.steps = createdSteps;
    Render out;
    for (const auto& [id, recipe] : accessors.recipes.recipes()) {
        known.recipes.push_back(id.value());
        out << "recipe" << id << recipe.name << recipe.translations << recipe.hasStirrer << recipe.hasCup
            << recipe.dripTime_cs << recipe.dispensingTime << recipe.steps << recipe.customizations
            << int(recipe.cupType) << int(recipe.cupDropTurret.value_or(255)) << recipe.validForLayout
            << recipe.valid << recipe.extraText;
        out.line();
        for (const lea::RecipeStepDbId stepId : recipe.steps) {
            known.steps.push_back(stepId.value());
            known.linkedSteps.push_back(stepId.value());
            const auto step = accessors.recipes.step(stepId);
            if (!step) {
                out << "missing step" << stepId;
                continue;
            }
            out << " step" << stepId << int(step->type) << step->description << step->waterSpeed
                << step->waterDose << step->stepDose << step->waterDoseUnit << bool(step->mixer);
            if (step->mixer)
                out << int(step->mixer->speed) << step->mixer->absoluteMixTime;
            out << step->ingredients << step->preInfusionDose << step->preInfusionTime << step->auxiliaryValue
                << (step->waterType ? int(*step->waterType) : -1) << step->squeezeEnabled
                << (step->pressureCurrent ? int(*step->pressureCurrent) : -1) << step->extraText
                << accessors.recipes.canAdjustWaterDose(stepId);
            out.line();
            for (const lea::RecipeStepIngredientDbId ingredientId : step->ingredients) {
                known.ingredients.push_back(ingredientId.value());
                const auto ingredient = accessors.recipes.ingredient(ingredientId);
                if (!ingredient) {
                    out << "missing ingredient" << ingredientId;
                    continue;
                }
                out << "  ingredient" << ingredientId << ingredient->nameKey << int(ingredient->type)
                    << int(ingredient->logicalIngredient) << ingredient->dose << ingredient->maxDose
                    << ingredient->minDose << bool(ingredient->powder);
                if (ingredient->powder) {
                    out << ingredient->powder->speed << ingredient->powder->maxSpeed
                        << bool(ingredient->powder->cycle);
                    if (ingredient->powder->cycle)
                        out << int(ingredient->powder->cycle->type) << ingredient->powder->cycle->value;
                }
                out << ingredient->canisterName << ingredient->extraText;
                out.line();
            }
        }
        for (const lea::CustomizationDbId customizationId : recipe.customizations) {
            known.customizations.push_back(customizationId.value());
            const auto customization = accessors.customizations.customization(customizationId);
            if (!customization) {
                out << "missing customization" << customizationId;
                continue;
            }
            out << " customization" << customizationId << int(customization->type) << int(customization->icon)
                << customization->enabled << customization->available << customization->adjustmentRequired
                << customization->name << customization->translations << int(customization->defaultIndex)
                << int(customization->hundredPercentIndex) << int(customization->stepCount)
                << int(customization->currentChoiceIndex) << customization->costVariation
                << customization->horizontal << customization->adjustments << customization->extraText;
            for (const int count : customization->stepsCountsAvailable)
                out << count;
            out.line();
            for (const lea::CustomizationAdjustmentDbId adjustmentId : customization->adjustments) {
                known.adjustments.push_back(adjustmentId.value());
                const auto adjustment = accessors.customizations.adjustment(adjustmentId);
                if (!adjustment) {
                    out << "missing adjustment" << adjustmentId;
                    continue;
                }
                out << "  adjustment" << adjustmentId << int(adjustment->type) << bool(adjustment->powder);
                if (adjustment->powder)
                    out << int(adjustment->powder->logicalIngredient) << adjustment->powder->deltaMin
                        << adjustment->powder->deltaMax;
                out << bool(adjustment->water);
                if (adjustment->water)
                    out << int(adjustment->water->stepType) << adjustment->water->deltaMin
                        << adjustment->water->deltaMax;
                out << (adjustment->quantity ? int(*adjustment->quantity) : -1) << adjustment->extraText;
                out.line();
            }
        }
    }
    for (const auto& [id, category] : accessors.categories.categories()) {
        if (id)
            known.categories.push_back(id->value());
        out << "category" << id << int(category.type) << category.displayed
            << (category.position ? int(*category.position) : -1) << category.available << category.title
            << category.translations << int(category.rows) << int(category.columns) << category.products
            << category.extraText;
        out.line();
    }
    const LeaCategories::Config config = accessors.categories.config();
    out << "screen" << config.enabled << int(config.firstLayoutValue) << int(config.secondLayoutValue);
    out.line();
    for (const LeaCanisters::CanisterLevel& level : accessors.canisters.levels()) {
        known.canisters.push_back(level.canister.value());
        out << "level" << level.canister << level.emptyCheckEnabled << level.levelSensorEnabled
            << level.gramsEmptyThreshold << level.weightWhenFull << level.currentLevel;
        out.line();
    }
    for (const LeaCanisters::CanisterCalibration& calibration : accessors.canisters.calibrations()) {
        out << "calibration" << calibration.canister << calibration.calibrationMin
            << calibration.calibrationMax;
        out.line();
    }
    for (const LeaCanisters::Canister& canister : accessors.canisters.canisters()) {
        out << "canister" << canister.id << canister.name << canister.translations
            << bool(canister.ingredient);
        if (canister.ingredient)
            out << int(canister.ingredient->logicalIngredient) << canister.ingredient->productName;
        out << canister.available << canister.typeFlag << canister.allergens << canister.installed;
        out.line();
    }
    out << "allergens" << accessors.canisters.getGlobalAllergens();
    return out.text();
}

/// Control characters and everything beyond ASCII as \u escapes, for the report.
QByteArray printable(const QString& text)
{
    QByteArray result;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || (c.unicode() >= 0x20 && c.unicode() < 0x7f))
            result += char(c.unicode());
        else
            result += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toLatin1();
    }
    return result;
}

// --- Decoding ------------------------------------------------------------------

/// Mostly small values (every listed one among them), sometimes any value of the type.
template <class Enum> Enum anyEnum(FuzzInput& input)
{
    const uint8_t choice = input.byte();
    if (choice == 0x80)
        return static_cast<Enum>(input.integer<int32_t>());
    return static_cast<Enum>(static_cast<int8_t>(choice));
}

/// Mostly an id the catalogue holds, sometimes a small or any value.
template <class Id> Id anyId(FuzzInput& input, const std::vector<unsigned>& known)
{
    const uint8_t choice = input.byte();
    if (!known.empty() && choice < 0xC0)
        return Id(known[choice % known.size()]);
    if (choice == 0xFF)
        return Id(input.integer<uint32_t>());
    return Id(choice & 0x3f);
}

nonstd::optional<QString> optionalText(FuzzInput& input)
{
    if (!input.boolean())
        return nonstd::nullopt;
    return input.text();
}

std::vector<lea::Translation> translations(FuzzInput& input)
{
    std::vector<lea::Translation> list(input.byte() % 4);
    for (lea::Translation& translation : list) {
        const uint8_t choice = input.byte();
        translation.language = choice < 0xC0
            ? kOffered.value(choice % 4, QLocale::Italian)
            : static_cast<QLocale::Language>(input.integer<uint16_t>() % 512);
        translation.text = input.text();
    }
    return list;
}

LeaRecipes::Recipe recipeRecord(FuzzInput& input, const Known& known)
{
    LeaRecipes::Recipe recipe;
    recipe.name = input.text();
    recipe.translations = translations(input);
    recipe.hasStirrer = input.boolean();
    recipe.hasCup = input.boolean();
    recipe.dripTime_cs = input.integer<int64_t>();
    for (int count = input.byte() % 4; count > 0; --count)
        recipe.steps.push_back(anyId<lea::RecipeStepDbId>(input, known.steps));
    recipe.extraText = optionalText(input);
    return recipe;
}

LeaRecipes::Step stepRecord(FuzzInput& input)
{
    LeaRecipes::Step step;
    step.type = anyEnum<LeaRecipes::StepType>(input);
    step.description = input.text();
    step.waterSpeed = input.integer<int32_t>();
    step.waterDose = input.integer<int32_t>();
    switch (input.byte() % 3) {
    case 0:
        break;
    case 1:
        step.waterDoseUnit = AbstractPreparationStep::doseUnityToString(AbstractPreparationStep::Millilitres);
        break;
    default:
        step.waterDoseUnit = input.text();
        break;
    }
    const uint8_t present = input.byte();
    if (present & 1)
        step.mixer
            = LeaRecipes::Step::Mixer { anyEnum<LeaRecipes::Step::Mixer::Speed>(input), input.boolean() };
    if (present & 2)
        step.preInfusionDose = input.integer<int32_t>();
    if (present & 4)
        step.preInfusionTime = input.integer<int64_t>();
    if (present & 8)
        step.squeezeEnabled = input.boolean();
    if (present & 16)
        step.pressureCurrent = anyEnum<LeaRecipes::Step::PressureCurrent>(input);
    if (present & 32)
        step.extraText = input.text();
    return step;
}

LeaRecipes::Ingredient ingredientRecord(FuzzInput& input)
{
    LeaRecipes::Ingredient ingredient;
    ingredient.type = anyEnum<LeaRecipes::IngredientType>(input);
    ingredient.logicalIngredient = anyEnum<LeaCanisters::LogicalIngredient>(input);
    ingredient.dose = input.integer<int32_t>();
    if (input.boolean()) {
        ingredient.powder = LeaRecipes::Ingredient::Powder {};
        ingredient.powder->speed = input.integer<int32_t>();
    }
    ingredient.extraText = optionalText(input);
    return ingredient;
}

LeaCategories::Category categoryRecord(FuzzInput& input)
{
    LeaCategories::Category category;
    category.type = anyEnum<LeaCategories::Type>(input);
    category.displayed = input.boolean();
    category.title = input.text();
    category.translations = translations(input);
    category.rows = input.byte();
    category.columns = input.byte();
    for (int count = input.byte() % 4; count > 0; --count) {
        const uint8_t choice = input.byte();
        if (choice == 0xFF)
            category.products.push_back(nonstd::nullopt);
        else
            category.products.push_back(
                lea::ProductDbId(choice == 0xFE ? input.integer<uint32_t>() : choice));
    }
    category.extraText = optionalText(input);
    return category;
}

LeaCustomizations::Customization customizationRecord(FuzzInput& input)
{
    LeaCustomizations::Customization customization;
    customization.type = anyEnum<LeaCustomizations::CustomizationType>(input);
    customization.icon = anyEnum<LeaCustomizations::Icon>(input);
    const uint8_t flags = input.byte();
    customization.enabled = flags & 1;
    customization.available = flags & 2;
    customization.adjustmentRequired = flags & 4;
    customization.name = input.text();
    customization.translations = translations(input);
    customization.defaultIndex = input.byte();
    customization.hundredPercentIndex = input.byte();
    customization.stepCount = input.byte();
    customization.costVariation = input.integer<int32_t>();
    customization.horizontal = input.integer<int32_t>();
    customization.extraText = optionalText(input);
    return customization;
}

LeaCustomizations::Adjustment adjustmentRecord(FuzzInput& input)
{
    LeaCustomizations::Adjustment adjustment;
    adjustment.type = anyEnum<LeaCustomizations::AdjustmentType>(input);
    const uint8_t present = input.byte();
    if (present & 1) {
        adjustment.powder
            = LeaCustomizations::Adjustment::Powder { anyEnum<LeaCanisters::LogicalIngredient>(input),
                  input.integer<int32_t>(), input.integer<int32_t>() };
    }
    if (present & 2) {
        adjustment.water = LeaCustomizations::Adjustment::Water { anyEnum<LeaRecipes::StepType>(input),
            input.integer<int32_t>(), input.integer<int32_t>() };
    }
    adjustment.extraText = optionalText(input);
    return adjustment;
}

enum Operation : uint8_t {
    CreateRecipe,
    UpdateRecipe,
    DeleteRecipe,
    ReorderRecipeSteps,
    CreateStep,
    UpdateStep,
    DeleteStep,
    CreateIngredient,
    UpdateIngredient,
    DeleteIngredient,
    AddCategory,
    UpdateCategory,
    RemoveCategory,
    SetDisplayedCategories,
    SetCategoryConfig,
    AddCustomization,
    UpdateCustomization,
    DeleteCustomization,
    AddAdjustment,
    UpdateAdjustment,
    DeleteAdjustment,
    SetLevels,
    SetCalibrations,
    OperationCount,
};

/// Runs one operation; false when the loaded configuration is documented to
/// lag behind the database until the next load.
bool runOperation(Operation operation, FuzzInput& input, Accessors& accessors, const Known& known,
    std::vector<unsigned>& createdSteps)
{
    switch (operation) {
    case CreateRecipe: {
        LeaRecipes::Recipe recipe = recipeRecord(input, known);
        accessors.recipes.createRecipe(recipe);
        break;
    }
    case UpdateRecipe: {
        const auto id = anyId<lea::RecipeDbId>(input, known.recipes);
        accessors.recipes.updateRecipe(id, recipeRecord(input, known));
        break;
    }
    case DeleteRecipe:
        accessors.recipes.deleteRecipe(anyId<lea::RecipeDbId>(input, known.recipes));
        break;
    case ReorderRecipeSteps: {
        const auto id = anyId<lea::RecipeDbId>(input, known.recipes);
        LeaRecipes::Recipe recipe = accessors.recipes.recipe(id).value_or(LeaRecipes::Recipe {});
        // Mostly the same steps turned round by some places, sometimes any list.
        const uint8_t rotation = input.byte();
        if (rotation == 0xFF)
            recipe = recipeRecord(input, known);
        else if (!recipe.steps.empty())
            std::rotate(recipe.steps.begin(), recipe.steps.begin() + rotation % recipe.steps.size(),
                recipe.steps.end());
        if (rotation & 0x80 && recipe.steps.size() > 1)
            std::swap(recipe.steps.front(), recipe.steps.back());
        accessors.recipes.reorderRecipeSteps(id, recipe);
        break;
    }
    case CreateStep:
        if (const auto id = accessors.recipes.createStep(stepRecord(input)))
            createdSteps.push_back(id->value());
        break;
    case UpdateStep: {
        const auto id = anyId<lea::RecipeStepDbId>(input, known.steps);
        accessors.recipes.updateStep(id, stepRecord(input));
        break;
    }
    case DeleteStep: {
        const auto stepId = anyId<lea::RecipeStepDbId>(input, known.steps);
        accessors.recipes.deleteStep(stepId, anyId<lea::RecipeDbId>(input, known.recipes));
        break;
    }
    case CreateIngredient: {
        const auto stepId = anyId<lea::RecipeStepDbId>(input, known.steps);
        accessors.recipes.createIngredient(ingredientRecord(input), stepId);
        break;
    }
    case UpdateIngredient: {
        const auto id = anyId<lea::RecipeStepIngredientDbId>(input, known.ingredients);
        const auto stepId = anyId<lea::RecipeStepDbId>(input, known.steps);
        accessors.recipes.updateIngredient(id, stepId, ingredientRecord(input));
        break;
    }
    case DeleteIngredient: {
        const auto id = anyId<lea::RecipeStepIngredientDbId>(input, known.ingredients);
        accessors.recipes.deleteIngredient(id, anyId<lea::RecipeStepDbId>(input, known.steps));
        break;
    }
    case AddCategory:
        accessors.categories.addCategory(categoryRecord(input));
        break;
    case UpdateCategory: {
        const auto id = anyId<lea::CategoryDbId>(input, known.categories);
        accessors.categories.updateCategory(id, categoryRecord(input));
        break;
    }
    case RemoveCategory:
        accessors.categories.removeCategory(anyId<lea::CategoryDbId>(input, known.categories));
        break;
    case SetDisplayedCategories: {
        std::vector<lea::products::AnyCategoryId> ids;
        for (int count = input.byte() % 4; count > 0; --count) {
            if (input.byte() == 0xFF)
                ids.push_back(nonstd::nullopt);
            else
                ids.push_back(anyId<lea::CategoryDbId>(input, known.categories));
        }
        accessors.categories.setDisplayedCategories(ids);
        break;
    }
    case SetCategoryConfig:
        accessors.categories.setConfig({ input.boolean(), input.byte(), input.byte() });
        break;
    case AddCustomization: {
        const auto recipeId = anyId<lea::RecipeDbId>(input, known.recipes);
        accessors.customizations.addCustomization(customizationRecord(input), recipeId);
        break;
    }
    case UpdateCustomization: {
        const auto id = anyId<lea::CustomizationDbId>(input, known.customizations);
        accessors.customizations.updateCustomization(id, customizationRecord(input));
        // Documented: the stored row alone changes.
        return false;
    }
    case DeleteCustomization:
        accessors.customizations.deleteCustomization(
            anyId<lea::CustomizationDbId>(input, known.customizations));
        break;
    case AddAdjustment: {
        const auto customizationId = anyId<lea::CustomizationDbId>(input, known.customizations);
        const auto recipeId = anyId<lea::RecipeDbId>(input, known.recipes);
        accessors.customizations.addAdjustment(adjustmentRecord(input), customizationId, recipeId);
        break;
    }
    case UpdateAdjustment: {
        const auto id = anyId<lea::CustomizationAdjustmentDbId>(input, known.adjustments);
        accessors.customizations.updateAdjustment(id, adjustmentRecord(input));
        break;
    }
    case DeleteAdjustment:
        accessors.customizations.deleteAdjustment(
            anyId<lea::CustomizationAdjustmentDbId>(input, known.adjustments));
        break;
    case SetLevels: {
        std::vector<LeaCanisters::CanisterLevel> levels(input.byte() % 3);
        for (LeaCanisters::CanisterLevel& level : levels) {
            level.canister = anyId<lea::CanisterDbId>(input, known.canisters);
            level.emptyCheckEnabled = input.boolean();
            level.levelSensorEnabled = input.boolean();
            level.gramsEmptyThreshold = input.integer<int32_t>();
            level.weightWhenFull = input.integer<int32_t>();
            level.currentLevel = input.integer<int32_t>();
        }
        accessors.canisters.setLevels(levels);
        break;
    }
    case SetCalibrations: {
        std::vector<LeaCanisters::CanisterCalibration> calibrations(input.byte() % 3);
        for (LeaCanisters::CanisterCalibration& calibration : calibrations) {
            calibration.canister = anyId<lea::CanisterDbId>(input, known.canisters);
            calibration.calibrationMin = input.integer<int32_t>();
            calibration.calibrationMax = input.integer<int32_t>();
        }
        accessors.canisters.setCalibrations(calibrations);
        break;
    }
    case OperationCount:
        break;
    }
    return true;
}

const char* const kOperationNames[] = { "createRecipe", "updateRecipe", "deleteRecipe", "reorderRecipeSteps",
    "createStep", "updateStep", "deleteStep", "createIngredient", "updateIngredient", "deleteIngredient",
    "addCategory", "updateCategory", "removeCategory", "setDisplayedCategories", "setConfig",
    "addCustomization", "updateCustomization", "deleteCustomization", "addAdjustment", "updateAdjustment",
    "deleteAdjustment", "setLevels", "setCalibrations" };

static_assert(
    sizeof(kOperationNames) / sizeof(kOperationNames[0]) == OperationCount, "one name per operation");

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    new QCoreApplication(*argc, *argv);
    LogSink::instance().setEchoEnabled(false);
    directory = new QTemporaryDir;
    FUZZ_CHECK(directory->isValid());
    CoreSimulator machine(seedPath(), CoreSimulator::Storage::Scratch);
    Seeder(*machine.core().configurationGroup()).seed();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    LogSink::instance().clear();
    QFile::remove(workPath());
    FUZZ_CHECK(QFile::copy(seedPath(), workPath()));
    CoreSimulator machine(workPath(), CoreSimulator::Storage::Scratch);
    machine.guiManager().setAvailableLanguages(kOffered);
    machine.guiManager().setCurrentLanguage(QLocale::English);
    FUZZ_CHECK(machine.core().loadConfiguration());
    auto accessors = std::make_unique<Accessors>();

    FuzzInput input(data, size);
    Known known;
    std::vector<unsigned> createdSteps;
    render(*accessors, known, createdSteps);
    for (int count = 0; count < 8 && !input.atEnd(); ++count) {
        const auto operation = Operation(input.byte() % OperationCount);
        bool current = true;
        try {
            current = runOperation(operation, input, *accessors, known, createdSteps);
        } catch (const std::invalid_argument&) {
            // Documented for values without core counterpart and texts that cannot be stored.
        }
        processDeferredDeletes();
        if (!current)
            machine.core().loadConfiguration();
        const QString inMemory = render(*accessors, known, createdSteps);
        machine.core().loadConfiguration();
        processDeferredDeletes();
        const QString inDatabase = render(*accessors, known, createdSteps);
        if (inMemory != inDatabase) {
            std::fprintf(stderr,
                "Memory and database disagree after %s (operation %d)\n--- memory\n%s\n--- database\n%s\n",
                kOperationNames[operation], count + 1, printable(inMemory).constData(),
                printable(inDatabase).constData());
            std::abort();
        }
    }
    accessors.reset();
    return 0;
}
