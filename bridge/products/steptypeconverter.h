#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/abstractpreparationstep.h"
#include "lea/products/recipes.h"

namespace lguim {
template <>
struct EnumPairs<AbstractPreparationStep::PreparationStepType, lea::products::Recipes::StepType, void>
{
    using Core = AbstractPreparationStep;
    using Lea = lea::products::Recipes;

    // The core's undefined step and the interface's Tesk milk step have no partner.
    static constexpr EnumPair<AbstractPreparationStep::PreparationStepType, lea::products::Recipes::StepType>
        pairs[] = {
            { Core::DrySugarStep, Lea::DrySugar },
            { Core::EspressoStep, Lea::Espresso },
            { Core::LongEspressoStep, Lea::LongEspresso },
            { Core::ShortEspressoStep, Lea::ShortEspresso },
            { Core::InstantStep, Lea::Instant },
            { Core::SyrupStep, Lea::Syrup },
            { Core::TeaStep, Lea::Tea },
            { Core::WaterOnlyStep, Lea::WaterOnly },
            { Core::FreshMilkStep, Lea::FreshMilk },
        };
};
} // namespace lguim

namespace bridge {
namespace products {
using StepTypeConverter = lguim::TaggedEnumConverter<bridge::CoreEnum,
    AbstractPreparationStep::PreparationStepType, bridge::LeaEnum, lea::products::Recipes::StepType, void>;
} // namespace products
} // namespace bridge
