#pragma once

#include "lea/ids.h"
#include "lea/products/canisters.h"
#include "lea/products/recipes.h"
#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <vector>

namespace lea {
namespace products {

/// Accessor of beverage customizations (the buyer's choices on a recipe) and
/// of the adjustments that tie them to the recipe's dosing.
class Customizations : public QObject
{
    Q_OBJECT

public:
    /// The kind of choice. The machine gives a meaning only to the sugar and
    /// cup kinds, which are common to all drinks.
    enum CustomizationType : int32_t {
        Type0 = 0,
        Type1 = 1,
        Type2 = 2,
        Type3 = 3,
        Type4 = 4,
        Type5 = 5,
        Type6 = 6,
        Type7 = 7,
        Type8 = 8,
        Type9 = 9,
        Type10 = 10,
        Type11 = 11,
        Type12 = 12,
        Type13 = 13,
        Type14 = 14,
        Type15 = 15,
        Type16 = 16,
        Type17 = 17,
        Type18 = 18,
        Type19 = 19,
        Type20 = 20,
        Type21 = 21,
        Type22 = 22,
        Type23 = 23,
        Type24 = 24,
        Type25 = 25,
        Type26 = 26,
        Type27 = 27,
        Sugar = Type9,
        Cup = Type25,
    };
    Q_ENUM(CustomizationType)

    enum Icon : int32_t {
        Icon0 = 0,
        Icon1 = 1,
        Icon2 = 2,
        Icon3 = 3,
        Icon4 = 4,
    };
    Q_ENUM(Icon)

    enum AdjustmentType : int32_t {
        NoAdjustment = 0,
        PowderDosage = 1,
        WaterDosage = 2,
        TotalQuantity = 3,
    };
    Q_ENUM(AdjustmentType)

    /// A choice the buyer makes on a drink, such as strength or sugar: its steps, the default and current
    /// choice, and what it costs.
    struct Customization
    {
        CustomizationType type = Type0;
        Icon icon = Icon0;
        bool enabled = false;
        bool available = false;
        /// Reserved by the interface layer; the bridge never sets nor reads it.
        bool reservedFlag = false;
        bool adjustmentRequired = false;
        /// Reserved by the interface layer; the bridge never sets nor reads it.
        int32_t reservedValue = 0;
        QString name;
        std::vector<lea::Translation> translations;
        uint8_t defaultIndex = 0;
        uint8_t hundredPercentIndex = 0;
        uint8_t stepCount = 0;
        uint8_t currentChoiceIndex = 0;
        /// Read only.
        QList<int> stepsCountsAvailable;
        int32_t costVariation = 0;
        int32_t horizontal = 0;
        /// The adjustments of every recipe that refer to this customization. Read only.
        std::vector<lea::CustomizationAdjustmentDbId> adjustments;
        nonstd::optional<QString> extraText;
    };

    /// What one customization changes in one recipe: a powder dose or a water quantity, within a range.
    struct Adjustment
    {
        /// Varies the dose of one canister's ingredient.
        struct Powder
        {
            Canisters::LogicalIngredient logicalIngredient {};
            int32_t deltaMin = 0;
            int32_t deltaMax = 0;
        };

        /// Varies the water of one kind of preparation step.
        struct Water
        {
            Recipes::StepType stepType {};
            int32_t deltaMin = 0;
            int32_t deltaMax = 0;
        };

        AdjustmentType type = NoAdjustment;
        nonstd::optional<Powder> powder;
        nonstd::optional<Water> water;
        /// The total-quantity value. Read only.
        nonstd::optional<uint8_t> quantity;
        nonstd::optional<QString> extraText;
    };

    ~Customizations() override = default;

    virtual nonstd::optional<Customization> customization(lea::CustomizationDbId id) const = 0;
    /// The customizations of the recipe being selected, in the recipe's order.
    virtual nonstd::optional<std::vector<Customization>> currentCustomizations() const = 0;
    virtual nonstd::optional<lea::CustomizationDbId> addCustomization(
        const Customization& customization, lea::RecipeDbId recipeId)
        = 0;
    /// Sets the current choice of the selection's customization of the same type.
    virtual void setCurrentCustomizationStep(const Customization& customization) = 0;
    /// Replaces the stored customization; the loaded one changes with the next reload.
    virtual void updateCustomization(lea::CustomizationDbId id, const Customization& customization) = 0;
    virtual void deleteCustomization(lea::CustomizationDbId id) = 0;

    virtual nonstd::optional<Adjustment> adjustment(lea::CustomizationAdjustmentDbId id) const = 0;
    /// Only powder and water adjustments can be added.
    virtual nonstd::optional<lea::CustomizationAdjustmentDbId> addAdjustment(
        const Adjustment& adjustment, lea::CustomizationDbId customizationId, lea::RecipeDbId recipeId)
        = 0;
    /// Changes the limits of a powder or water adjustment of the same kind.
    virtual void updateAdjustment(lea::CustomizationAdjustmentDbId id, const Adjustment& adjustment) = 0;
    virtual void deleteAdjustment(lea::CustomizationAdjustmentDbId id) = 0;

    virtual nonstd::optional<std::vector<Customization>> commonCustomizations() const = 0;
    /// The sugar or cup choice common to all drinks, when the machine has it.
    virtual nonstd::optional<Customization> commonCustomization(CustomizationType type) const = 0;
    virtual void setCommonCustomizationStep(CustomizationType type, unsigned char step) = 0;
    virtual void applyCustomizations() const = 0;

    /// (minimum, maximum) of the lower powder limit of a powder adjustment.
    virtual nonstd::optional<QPair<int, int>> powderMinLimits(lea::CustomizationAdjustmentDbId id) const = 0;
    /// (minimum, maximum) of the upper powder limit of a powder adjustment.
    virtual nonstd::optional<QPair<int, int>> powderMaxLimits(lea::CustomizationAdjustmentDbId id) const = 0;

signals:
    /// The sugar or cup choice common to all drinks changed.
    void commonCustomizationModified(lea::products::Customizations::CustomizationType type);

protected:
    explicit Customizations(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
