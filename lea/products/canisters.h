#pragma once

#include "lea/ids.h"
#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <QByteArray>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace products {

/// Accessor of canisters and their levels.
class Canisters : public QObject
{
    Q_OBJECT

public:
    /// The ingredient a canister is bound to. The names of the ingredients
    /// belong to the core's translations; here they are only numbered.
    enum LogicalIngredient : int {
        Ingredient0 = 0,
        Ingredient1 = 1,
        Ingredient2 = 2,
        Ingredient3 = 3,
        Ingredient4 = 4,
        Ingredient5 = 5,
        Ingredient6 = 6,
        Ingredient7 = 7,
        Ingredient8 = 8,
        Ingredient9 = 9,
        Ingredient10 = 10,
        Ingredient11 = 11,
        Ingredient12 = 12,
        Ingredient13 = 13,
        Ingredient14 = 14,
        Ingredient15 = 15,
        Ingredient16 = 16,
        Ingredient17 = 17,
        Ingredient18 = 18,
        Ingredient19 = 19,
        Ingredient20 = 20,
        Ingredient21 = 21,
        Ingredient22 = 22,
        Ingredient23 = 23,
        Ingredient24 = 24,
        Ingredient25 = 25,
        Ingredient26 = 26,
        Ingredient27 = 27,
        Ingredient28 = 28,
        Ingredient29 = 29,
        Ingredient30 = 30,
        Ingredient31 = 31,
        Ingredient32 = 32,
        Ingredient33 = 33,
        Ingredient34 = 34,
        Ingredient35 = 35,
        /// Known to the interface only; no core canister is ever bound to it.
        Ingredient36 = 36,
        /// Known to the interface only; no core canister is ever bound to it.
        Ingredient37 = 37,
        /// The canister holds no ingredient.
        NoIngredient = 38,
    };
    Q_ENUM(LogicalIngredient)

    /// What a canister holds.
    struct Ingredient
    {
        LogicalIngredient logicalIngredient = NoIngredient;
        /// The name of the product held in the canister.
        QString productName;
        /// productName in the current interface language.
        std::vector<lea::Translation> productNameTranslations;
    };

    /// One canister: its name, the ingredient it holds, and whether it is installed and available.
    struct Canister
    {
        lea::CanisterDbId id;
        QString name;
        std::vector<lea::Translation> translations;
        /// Empty when the canister holds no ingredient.
        nonstd::optional<Ingredient> ingredient;
        bool available = false;
        bool typeFlag = false;
        std::vector<QString> allergens;
        /// Whether the machine physically has a canister in this place.
        bool installed = false;
    };

    /// Fill-level sensing of one canister.
    struct CanisterLevel
    {
        lea::CanisterDbId canister;
        bool emptyCheckEnabled = false;
        bool levelSensorEnabled = false;
        int32_t gramsEmptyThreshold = 0;
        int32_t weightWhenFull = 0;
        /// Grams left, as last measured. Read only.
        int32_t currentLevel = 0;
    };

    /// Bounds of the dosing speed of one canister.
    struct CanisterCalibration
    {
        lea::CanisterDbId canister;
        int32_t calibrationMin = 0;
        int32_t calibrationMax = 0;
    };

    ~Canisters() override = default;

    /// One record per canister, in the order of canisters().
    virtual std::vector<CanisterLevel> levels() const = 0;
    /// Records naming no existing canister are skipped; currentLevel is ignored.
    virtual void setLevels(const std::vector<CanisterLevel>& levels) = 0;
    virtual std::vector<CanisterCalibration> calibrations() const = 0;
    virtual void setCalibrations(const std::vector<CanisterCalibration>& calibrations) = 0;
    virtual std::vector<Canister> canisters() const = 0;
    /// The brand image, base64 encoded; empty when there is none.
    virtual QByteArray getFirstImageBase64(lea::CanisterDbId id) const = 0;
    /// The brand image as a PNG file; an empty path when there is none.
    virtual QFileInfo getFirstImagePath(lea::CanisterDbId id) const = 0;
    /// The canister image, base64 encoded; empty when there is none.
    virtual QByteArray getSecondImageBase64(lea::CanisterDbId id) const = 0;
    /// The canister image as a PNG file; an empty path when there is none.
    virtual QFileInfo getSecondImagePath(lea::CanisterDbId id) const = 0;
    /// The allergen text that applies to every product.
    virtual QString getGlobalAllergens() const = 0;

protected:
    explicit Canisters(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
