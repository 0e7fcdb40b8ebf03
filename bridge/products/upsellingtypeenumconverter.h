#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/catalogue/abstractupsellingitem.h"
#include "lea/products/upsellings.h"

namespace bridge {
namespace products {
using UpsellingTypeEnumConverter
    = EnumConverter<AbstractUpsellingItem::UpsellingType, lea::products::Upsellings::UpsellingType>;
} // namespace products
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::products::UpsellingTypeEnumConverter::Key> {
    bridge::products::UpsellingTypeEnumConverter::pairs({
        { AbstractUpsellingItem::BeforePreparation, lea::products::Upsellings::Type0 },
        { AbstractUpsellingItem::AfterPreparation, lea::products::Upsellings::Type1 },
    })
};
