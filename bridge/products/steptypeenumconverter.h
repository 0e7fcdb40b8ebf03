#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "lea/products/recipes.h"

namespace bridge {
namespace products {
using StepTypeEnumConverter
    = EnumConverter<AbstractPreparationStep::PreparationStepType, lea::products::Recipes::StepType>;
} // namespace products
} // namespace bridge

// The core's undefined step and the interface's Tesk milk step have no partner.
template <>
inline constexpr auto lguim::enumPairs<bridge::products::StepTypeEnumConverter::Key> {
    bridge::products::StepTypeEnumConverter::pairs({
        { AbstractPreparationStep::DrySugarStep, lea::products::Recipes::DrySugar },
        { AbstractPreparationStep::EspressoStep, lea::products::Recipes::Espresso },
        { AbstractPreparationStep::LongEspressoStep, lea::products::Recipes::LongEspresso },
        { AbstractPreparationStep::ShortEspressoStep, lea::products::Recipes::ShortEspresso },
        { AbstractPreparationStep::InstantStep, lea::products::Recipes::Instant },
        { AbstractPreparationStep::SyrupStep, lea::products::Recipes::Syrup },
        { AbstractPreparationStep::TeaStep, lea::products::Recipes::Tea },
        { AbstractPreparationStep::WaterOnlyStep, lea::products::Recipes::WaterOnly },
        { AbstractPreparationStep::FreshMilkStep, lea::products::Recipes::FreshMilk },
    })
};
