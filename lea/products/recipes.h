#pragma once

#include "lea/ids.h"
#include "lea/products/canisters.h"
#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace products {

/// Accessor of recipes with their steps and ingredients.
///
/// A recipe is an ordered list of preparation steps; each step doses its
/// ingredients. Ids are the machine's database row ids.
class Recipes : public QObject
{
    Q_OBJECT

public:
    enum CupType : int32_t {
        StandardCup = 0,
        OwnCup = 1,
        LargeCup = 2,
        Mug = 3,
    };
    Q_ENUM(CupType)

    enum StepType : int32_t {
        DrySugar = 0,
        Espresso = 1,
        LongEspresso = 2,
        ShortEspresso = 3,
        Instant = 4,
        /// Not made by this machine.
        TeskMilk = 5,
        Syrup = 6,
        Tea = 7,
        WaterOnly = 8,
        /// Needs a fresh-milk module; stored, but this machine builds no step for it.
        FreshMilk = 9,
    };
    Q_ENUM(StepType)

    /// The water circuit a step draws from; the numbered ones are circuits of the hydraulic layout.
    enum WaterType : int32_t {
        Water0 = 0,
        Water1 = 1,
        Water2 = 2,
        Water3 = 3,
        Water4 = 4,
        Water5 = 5,
        Water6 = 6,
        Water7 = 7,
        Water8 = 8,
        Water9 = 9,
        Water10 = 10,
        Water11 = 11,
        Water12 = 12,
        Water13 = 13,
        Water14 = 14,
        Water15 = 15,
        Water16 = 16,
        Water17 = 17,
        Water18 = 18,
        Water19 = 19,
        Water20 = 20,
        Water21 = 21,
        Water22 = 22,
        Water23 = 23,
        Water24 = 24,
        Water25 = 25,
        Water26 = 26,
        Water27 = 27,
        Water28 = 28,
        Water29 = 29,
        Water30 = 30,
        Water31 = 31,
        Water32 = 32,
        Water33 = 33,
        Water34 = 34,
        Water35 = 35,
        Water36 = 36,
        Water37 = 37,
        Water38 = 38,
        Water39 = 39,
        Water40 = 40,
        Water41 = 41,
        Water42 = 42,
        Water43 = 43,
        Water44 = 44,
        Water45 = 45,
        Water46 = 46,
        Water47 = 47,
        Water48 = 48,
        Water49 = 49,
        Water50 = 50,
        Water51 = 51,
        Water52 = 52,
        Water53 = 53,
        Steam = Water0,
        SparklingWater = Water3,
        EspressoBoilerWater = Water7,
        HotWater = Water8,
        ColdWater = Water9,
        NoWater = Water53,
    };
    Q_ENUM(WaterType)

    enum IngredientType : int32_t {
        IngredientDrySugar = 0,
        IngredientEspresso = 1,
        IngredientInstant = 2,
        IngredientSyrup = 3,
    };
    Q_ENUM(IngredientType)

    /// A drink as the machine prepares it: its name, cup and the ids of its steps in order.
    struct Recipe
    {
        QString name;
        /// Translations of the name in the languages the interface offers.
        std::vector<lea::Translation> translations;
        bool hasStirrer = false;
        bool hasCup = false;
        int64_t dripTime_cs = 0;
        /// Read only.
        int64_t dispensingTime = 0;
        /// In dispensing order. Written only by createRecipe() and reorderRecipeSteps().
        std::vector<lea::RecipeStepDbId> steps;
        /// Read only; managed by the customizations accessor.
        std::vector<lea::CustomizationDbId> customizations;
        /// Read only for stored recipes.
        CupType cupType = StandardCup;
        /// Read only.
        nonstd::optional<uint8_t> cupDropTurret;
        /// Read only.
        bool validForLayout = false;
        /// Reserved by the interface layer; the bridge never sets nor reads it.
        nonstd::optional<int32_t> reservedValue;
        /// Read only.
        bool valid = false;
        nonstd::optional<QString> extraText;
    };

    /// One preparation step of a recipe: what it does with water and which ingredients it doses.
    struct Step
    {
        /// How an instant step's mixer whips the drink.
        struct Mixer
        {
            enum Speed : int32_t {
                Low = 0,
                Medium = 1,
                High = 2,
            };

            Speed speed = Low;
            bool absoluteMixTime = false;
        };

        enum PressureCurrent : int32_t {
            LowCurrent = 0,
            MediumCurrent = 1,
            HighCurrent = 2,
        };

        StepType type = DrySugar;
        QString description;
        /// In tens of the machine's speed units.
        int32_t waterSpeed = 0;
        int32_t waterDose = 0;
        /// The dose as the step reports it. Read only.
        int32_t stepDose = 0;
        QString waterDoseUnit;
        /// Instant steps only.
        nonstd::optional<Mixer> mixer;
        /// Read only; managed with the ingredient operations.
        std::vector<lea::RecipeStepIngredientDbId> ingredients;
        /// Espresso steps only.
        nonstd::optional<int32_t> preInfusionDose;
        nonstd::optional<int64_t> preInfusionTime;
        /// Reserved by the interface layer; the bridge never sets nor reads it.
        nonstd::optional<int64_t> reservedValue;
        /// Read only.
        nonstd::optional<int64_t> auxiliaryValue;
        /// Read only.
        nonstd::optional<WaterType> waterType;
        /// Espresso steps only.
        nonstd::optional<bool> squeezeEnabled;
        nonstd::optional<PressureCurrent> pressureCurrent;
        nonstd::optional<QString> extraText;
    };

    /// One ingredient dosed by a step, with the canister that holds it.
    struct Ingredient
    {
        /// How the auger of a powder ingredient is cycled while it doses.
        struct PowderCycle
        {
            /// How the auger runs while dosing.
            enum Type : int32_t {
                Pulsed = 0,
                Timed = 1,
            };

            Type type = Pulsed;
            int32_t value = 0;
        };

        /// The auger speed of a powder (instant) ingredient.
        struct Powder
        {
            int32_t speed = 0;
            int32_t maxSpeed = 0;
            /// Empty when the auger runs continuously. Read only.
            nonstd::optional<PowderCycle> cycle;
        };

        /// Translation key of the ingredient's name. Read only.
        QString nameKey;
        IngredientType type = IngredientDrySugar;
        Canisters::LogicalIngredient logicalIngredient = Canisters::NoIngredient;
        int32_t dose = 0;
        /// Dose limits of the owning step. Read only.
        int32_t maxDose = 0;
        int32_t minDose = 0;
        /// Instant ingredients only. The speed is kept within the canister's calibration range.
        nonstd::optional<Powder> powder;
        /// Empty when no canister holds the ingredient. Read only.
        QString canisterName;
        nonstd::optional<QString> extraText;
    };

    /// The water of a step, in millilitres.
    struct WaterVolumeInfo
    {
        int32_t volume_ml = 0;
        /// The most the step may be set to.
        int32_t maxVolume_ml = 0;
    };

    ~Recipes() override = default;

    virtual nonstd::optional<Recipe> recipe(lea::RecipeDbId id) const = 0;
    virtual std::map<lea::RecipeDbId, Recipe> recipes() const = 0;
    /// Stores a recipe and links it to the given steps, in that order.
    virtual nonstd::optional<lea::RecipeDbId> createRecipe(const Recipe& recipe) = 0;
    virtual void updateRecipe(lea::RecipeDbId id, const Recipe& recipe) = 0;
    /// Deletes the recipe with its steps, ingredients and customizations.
    virtual void deleteRecipe(lea::RecipeDbId id) = 0;
    /// Puts the recipe's steps in the order of `recipe.steps`, which must hold the same steps.
    virtual void reorderRecipeSteps(lea::RecipeDbId id, const Recipe& recipe) = 0;
    /// A recipe as the machine makes it before it is configured.
    virtual Recipe defaultRecipe() const = 0;
    /// Makes the machine reload its configuration after editing.
    virtual void reload() = 0;

    virtual nonstd::optional<Step> step(lea::RecipeStepDbId id) const = 0;
    /// Stores a step that belongs to no recipe yet; it must have no ingredients.
    virtual nonstd::optional<lea::RecipeStepDbId> createStep(const Step& step) = 0;
    virtual void updateStep(lea::RecipeStepDbId id, const Step& step) = 0;
    /// Deletes the step with its ingredients and takes it out of the recipe.
    virtual void deleteStep(lea::RecipeStepDbId stepId, lea::RecipeDbId recipeId) = 0;
    virtual bool isTeskMilkStep(lea::RecipeStepDbId id) const = 0;
    virtual bool canAdjustWaterDose(lea::RecipeStepDbId id) const = 0;
    virtual WaterVolumeInfo waterVolumeInfo_ml(lea::RecipeStepDbId id) const = 0;

    virtual nonstd::optional<Ingredient> ingredient(lea::RecipeStepIngredientDbId id) const = 0;
    virtual nonstd::optional<lea::RecipeStepIngredientDbId> createIngredient(
        const Ingredient& ingredient, lea::RecipeStepDbId stepId)
        = 0;
    /// The ingredient type cannot change.
    virtual void updateIngredient(
        lea::RecipeStepIngredientDbId id, lea::RecipeStepDbId stepId, const Ingredient& ingredient)
        = 0;
    virtual void deleteIngredient(lea::RecipeStepIngredientDbId id, lea::RecipeStepDbId stepId) = 0;
    /// One entry per logical ingredient the beverage uses, in order of first use,
    /// with the doses of all its uses summed.
    virtual std::vector<Ingredient> beverageIngredients(lea::ProductDbId id) const = 0;
    virtual bool canAdjustPowderDose(lea::RecipeStepIngredientDbId id) const = 0;

signals:
    void changed();

protected:
    explicit Recipes(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
