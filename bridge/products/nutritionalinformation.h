#pragma once

#include "lea/products/nutritionalinformation.h"

namespace bridge {
namespace products {

/// Nutritional values and allergens of the loaded catalogue's products, ingredients and canisters.
class NutritionalInformation : public lea::products::NutritionalInformation
{
    Q_OBJECT

public:
    explicit NutritionalInformation(QObject* parent);

    std::map<lea::products::Canisters::LogicalIngredient, Information> allIngredients() const override;
    std::map<lea::products::Canisters::LogicalIngredient, Information>
    allIngredientsFromCanisters() const override;
    /// Products without a stored id are left out.
    std::map<lea::ProductDbId, Information> allProducts() const override;
    nonstd::optional<Information> forIngredient(
        lea::products::Canisters::LogicalIngredient ingredient) const override;
    nonstd::optional<Information> forCanisterIngredient(
        lea::products::Canisters::LogicalIngredient ingredient) const override;
    nonstd::optional<Information> forProduct(lea::ProductDbId id) const override;
    QString globalAllergensInfo() const override;
    /// Values with one decimal, as everywhere else; empty when the recipe has no
    /// customization of that type.
    std::vector<InformationBit> getRecipeCustomizationStepInformation(lea::RecipeDbId recipe,
        lea::products::Customizations::CustomizationType type, int step) const override;
};

} // namespace products
} // namespace bridge
