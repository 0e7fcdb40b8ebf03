#pragma once

#include "lea/products/customizations.h"

#include <memory>

class AbstractCustomizationAdjustment;
class Configuration;
class RecipeCustomization;

namespace bridge {
namespace products {

/// The customizations of the loaded recipes, of the recipe being selected and
/// the two common to all drinks (sugar and cup), with their adjustments.
class Customizations : public lea::products::Customizations
{
    Q_OBJECT

public:
    explicit Customizations(QObject* parent);
    ~Customizations() override;

    nonstd::optional<Customization> customization(lea::CustomizationDbId id) const override;
    nonstd::optional<std::vector<Customization>> currentCustomizations() const override;
    nonstd::optional<lea::CustomizationDbId> addCustomization(
        const Customization& customization, lea::RecipeDbId recipeId) override;
    void setCurrentCustomizationStep(const Customization& customization) override;
    void updateCustomization(lea::CustomizationDbId id, const Customization& customization) override;
    void deleteCustomization(lea::CustomizationDbId id) override;

    nonstd::optional<Adjustment> adjustment(lea::CustomizationAdjustmentDbId id) const override;
    nonstd::optional<lea::CustomizationAdjustmentDbId> addAdjustment(const Adjustment& adjustment,
        lea::CustomizationDbId customizationId, lea::RecipeDbId recipeId) override;
    void updateAdjustment(lea::CustomizationAdjustmentDbId id, const Adjustment& adjustment) override;
    void deleteAdjustment(lea::CustomizationAdjustmentDbId id) override;

    nonstd::optional<std::vector<Customization>> commonCustomizations() const override;
    nonstd::optional<Customization> commonCustomization(CustomizationType type) const override;
    void setCommonCustomizationStep(CustomizationType type, unsigned char step) override;
    void applyCustomizations() const override;

    nonstd::optional<QPair<int, int>> powderMinLimits(lea::CustomizationAdjustmentDbId id) const override;
    nonstd::optional<QPair<int, int>> powderMaxLimits(lea::CustomizationAdjustmentDbId id) const override;

private:
    /// The sugar or cup preselection, or null.
    RecipeCustomization* coreCommonCustomization(CustomizationType type) const;
    void connectCommonCustomization(CustomizationType type);
    void onSugarPreselectionModified();
    void onCupPreselectionModified();

    /// A new customization from the record; the parameter settings, which the
    /// record does not carry, are those of `stored` when given.
    static std::unique_ptr<RecipeCustomization> createCoreCustomization(
        const Customization& customization, const RecipeCustomization* stored = nullptr);
    static std::unique_ptr<AbstractCustomizationAdjustment> createCoreAdjustment(
        const Adjustment& adjustment, const RecipeCustomization* customization);
};

} // namespace products
} // namespace bridge
