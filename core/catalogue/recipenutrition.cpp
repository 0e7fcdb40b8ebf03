// The nutrition part of Recipe: the values of a drink from its ingredients'
// canisters, with the doses its customizations choose.

#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "core/catalogue/canister.h"
#include "core/catalogue/powderdosageadjustment.h"
#include "core/catalogue/recipe.h"

#include <algorithm>

namespace {

/// The customization an adjustment follows within `recipe`: its own object, or the one with its id.
const RecipeCustomization* followedCustomization(
    const Recipe& recipe, const AbstractCustomizationAdjustment& adjustment)
{
    for (const RecipeCustomization* customization : recipe.customizations()) {
        if (customization == adjustment.customization())
            return customization;
    }
    for (const RecipeCustomization* customization : recipe.customizations()) {
        if (customization->dbId() >= 0 && customization->dbId() == adjustment.customizationId())
            return customization;
    }
    return nullptr;
}

/// The change of dose, in percent, of a choice: from deltaMin at the first
/// choice through 0 at the hundred-percent one to deltaMax at the last.
double dosePercent(
    const RecipeCustomization& customization, const PowderDosageAdjustment& adjustment, bool atDefault)
{
    const int last = std::max(customization.stepCount() - 1, 0);
    const int choice
        = std::clamp(atDefault ? customization.defaultIndex() : customization.currentChoiceIndex(), 0, last);
    const int hundred = std::clamp(customization.hundredPercentIndex(), 0, last);
    if (choice < hundred)
        return adjustment.powderDeltaMin() * double(hundred - choice) / hundred;
    if (choice > hundred)
        return adjustment.powderDeltaMax() * double(choice - hundred) / (last - hundred);
    return 0.0;
}

double doseFactor(const Recipe& recipe, Canister::LogicalCanisterId canister, bool atDefaults)
{
    double factor = 1.0;
    for (const AbstractCustomizationAdjustment* adjustment : recipe.customizationAdjustments()) {
        const auto* powder = qobject_cast<const PowderDosageAdjustment*>(adjustment);
        const RecipeCustomization* customization = powder && powder->logicalCanisterId() == canister
            ? followedCustomization(recipe, *powder)
            : nullptr;
        if (customization)
            factor *= 1.0 + dosePercent(*customization, *powder, atDefaults) / 100.0;
    }
    return std::max(factor, 0.0);
}

} // namespace

NutritionalInformationList Recipe::computeNutritionalInformation(bool atDefaults) const
{
    NutritionalInformationList totals;
    for (const AbstractPreparationStep* step : m_steps) {
        // Held as const copies: walking a temporary list would detach and copy every item.
        const QList<AbstractIngredient*> ingredients = step->ingredients();
        for (const AbstractIngredient* ingredient : ingredients) {
            const Canister* canister = ingredient->canister();
            if (!canister)
                continue;
            const double dose
                = ingredient->dose() * doseFactor(*this, ingredient->logicalCanisterId(), atDefaults);
            const NutritionalInformationList items = canister->nutritionalInformationList();
            for (const NutritionalInformation& item : items) {
                const double amount = item.value().toDouble() * dose;
                const auto same = std::find_if(totals.begin(), totals.end(), [&](const auto& total) {
                    return total.name() == item.name() && total.unit() == item.unit();
                });
                if (same == totals.end())
                    totals << NutritionalInformation(item.name(), amount, item.unit(), item.id());
                else
                    same->setValue(same->value().toDouble() + amount);
            }
        }
    }
    return totals;
}

void Recipe::updateNutritionalInformation()
{
    m_nutrition = computeNutritionalInformation(false);
}

QList<QString> Recipe::allergens() const
{
    QList<QString> allergens;
    for (const AbstractPreparationStep* step : m_steps) {
        const QList<AbstractIngredient*> ingredients = step->ingredients();
        for (const AbstractIngredient* ingredient : ingredients) {
            if (!ingredient->canister())
                continue;
            for (const QString& piece : ingredient->canister()->allergens().split(QLatin1Char(','))) {
                const QString allergen = piece.trimmed();
                if (!allergen.isEmpty() && !allergens.contains(allergen))
                    allergens << allergen;
            }
        }
    }
    return allergens;
}

void Recipe::resetRecipeCustomizations()
{
    for (RecipeCustomization* customization : m_customizations)
        customization->setCurrentChoiceIndex(customization->defaultIndex());
}
