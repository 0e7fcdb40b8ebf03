#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/abstractcustomizationadjustment.h"
#include "lea/products/customizations.h"

namespace lguim {
template <>
struct EnumPairs<AbstractCustomizationAdjustment::AdjustmentType,
    lea::products::Customizations::AdjustmentType, void>
{
    using Core = AbstractCustomizationAdjustment;
    using Lea = lea::products::Customizations;

    static constexpr EnumPair<AbstractCustomizationAdjustment::AdjustmentType,
        lea::products::Customizations::AdjustmentType>
        pairs[] = {
            { Core::NoAdjustment, Lea::NoAdjustment },
            { Core::PowderDosage, Lea::PowderDosage },
            { Core::WaterDosage, Lea::WaterDosage },
            { Core::TotalQuantity, Lea::TotalQuantity },
        };
};
} // namespace lguim

namespace bridge {
namespace products {
using AdjustmentTypeConverter
    = lguim::TaggedEnumConverter<bridge::CoreEnum, AbstractCustomizationAdjustment::AdjustmentType,
        bridge::LeaEnum, lea::products::Customizations::AdjustmentType, void>;
} // namespace products
} // namespace bridge
