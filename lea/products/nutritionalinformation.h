#pragma once

#include "lea/ids.h"
#include "lea/products/canisters.h"
#include "lea/products/customizations.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QList>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace products {

/// Accessor of nutritional information and allergens.
class NutritionalInformation : public QObject
{
    Q_OBJECT

public:
    /// One nutritional value (energy, fat, sugar...).
    struct InformationBit
    {
        uint32_t id = 0;
        /// In the current interface language.
        QString name;
        /// The value in units of 10 to the power minus `decimals`.
        int32_t scaledValue = 0;
        double value = 0.0;
        QString unit;
        uint32_t decimals = 0;
    };

    /// The nutritional values and allergens of a product or an ingredient.
    struct Information
    {
        std::vector<InformationBit> bits;
        QString imagePath;
        QList<QString> allergens;
    };

    ~NutritionalInformation() override = default;

    virtual std::map<Canisters::LogicalIngredient, Information> allIngredients() const = 0;
    /// In ascending logical-id order of the canisters.
    virtual std::map<Canisters::LogicalIngredient, Information> allIngredientsFromCanisters() const = 0;
    virtual std::map<lea::ProductDbId, Information> allProducts() const = 0;
    virtual nonstd::optional<Information> forIngredient(Canisters::LogicalIngredient ingredient) const = 0;
    virtual nonstd::optional<Information> forCanisterIngredient(
        Canisters::LogicalIngredient ingredient) const = 0;
    /// A beverage's values follow the customer's current choices when it is the one selected.
    virtual nonstd::optional<Information> forProduct(lea::ProductDbId id) const = 0;
    /// The allergen text that applies to every product.
    virtual QString globalAllergensInfo() const = 0;
    /// A recipe's values with every customization at its default but the one
    /// of `type`, which takes the choice `step`.
    virtual std::vector<InformationBit> getRecipeCustomizationStepInformation(
        lea::RecipeDbId recipe, Customizations::CustomizationType type, int step) const = 0;

protected:
    explicit NutritionalInformation(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
