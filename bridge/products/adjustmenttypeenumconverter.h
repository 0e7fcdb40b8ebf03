#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/abstractcustomizationadjustment.h"
#include "lea/products/customizations.h"

namespace bridge {
namespace products {
using AdjustmentTypeEnumConverter = EnumConverter<AbstractCustomizationAdjustment::AdjustmentType,
    lea::products::Customizations::AdjustmentType>;
} // namespace products
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::products::AdjustmentTypeEnumConverter::Key> {
    bridge::products::AdjustmentTypeEnumConverter::pairs({
        { AbstractCustomizationAdjustment::NoAdjustment, lea::products::Customizations::NoAdjustment },
        { AbstractCustomizationAdjustment::PowderDosage, lea::products::Customizations::PowderDosage },
        { AbstractCustomizationAdjustment::WaterDosage, lea::products::Customizations::WaterDosage },
        { AbstractCustomizationAdjustment::TotalQuantity, lea::products::Customizations::TotalQuantity },
    })
};
