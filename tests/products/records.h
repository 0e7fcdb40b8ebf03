#pragma once

// What the catalogue accessors' tests share: the accessors, their fixtures,
// and interface records and ids.

#include "bridge/products/canisters.h"
#include "bridge/products/categories.h"
#include "bridge/products/customizations.h"
#include "bridge/products/recipes.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"
#include "support/translations.h"

#include <QSignalSpy>
#include <vector>

using RId = lea::RecipeDbId;
using SId = lea::RecipeStepDbId;
using IId = lea::RecipeStepIngredientDbId;
using BId = lea::ProductDbId;
using CId = lea::CustomizationDbId;
using AId = lea::CustomizationAdjustmentDbId;
using Ids = std::vector<unsigned>;

template <class Id> Ids values(const std::vector<Id>& ids)
{
    Ids result;
    for (const Id& id : ids)
        result.push_back(id.value());
    return result;
}

inline std::vector<lea::Translation> german(const QString& text)
{
    return { translation(QLocale::German, text) };
}

inline lea::products::Recipes::Ingredient instantIngredient(
    lea::products::Canisters::LogicalIngredient logical, int dose, int powderSpeed = 50)
{
    lea::products::Recipes::Ingredient ingredient;
    ingredient.type = lea::products::Recipes::IngredientInstant;
    ingredient.logicalIngredient = logical;
    ingredient.dose = dose;
    ingredient.powder = lea::products::Recipes::Ingredient::Powder { powderSpeed, 0, nonstd::nullopt };
    return ingredient;
}

/// A recipe translated into German as "`name` (de)".
inline lea::products::Recipes::Recipe recipeRecord(const QString& name, std::vector<SId> steps = {})
{
    lea::products::Recipes::Recipe recipe;
    recipe.name = name;
    recipe.translations = german(name + QStringLiteral(" (de)"));
    recipe.steps = std::move(steps);
    return recipe;
}

inline lea::products::Recipes::Step stepRecord(lea::products::Recipes::StepType type)
{
    lea::products::Recipes::Step step;
    step.type = type;
    return step;
}

/// Chocolate, dosed by an instant step.
inline lea::products::Recipes::Ingredient chocolate(int dose)
{
    return instantIngredient(lea::products::Canisters::Ingredient14, dose);
}

/// A customization translated into German as "`name` (de)".
inline lea::products::Customizations::Customization customizationRecord(
    const QString& name, lea::products::Customizations::CustomizationType type)
{
    lea::products::Customizations::Customization record;
    record.type = type;
    record.name = name;
    record.translations = german(name + QStringLiteral(" (de)"));
    return record;
}

/// A powder adjustment of the coffee beans.
inline lea::products::Customizations::Adjustment powderRecord(int deltaMin, int deltaMax)
{
    lea::products::Customizations::Adjustment record;
    record.type = lea::products::Customizations::PowderDosage;
    record.powder = lea::products::Customizations::Adjustment::Powder { lea::products::Canisters::Ingredient7,
        deltaMin, deltaMax };
    return record;
}

inline lea::products::Categories::Category categoryRecord(lea::products::Categories::Type type,
    bool displayed, const QString& title = {}, const std::vector<lea::Translation>& translations = {})
{
    return { type, displayed, {}, false, title, translations, 0, 0, {}, {} };
}
