#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/configuration/paymentsettings.h"
#include "lea/payment/productsprice.h"

namespace bridge {
namespace payment {
using PaymentTypeEnumConverter
    = EnumConverter<PaymentSettings::PaymentType, lea::payment::ProductsPrice::Prices::PaymentType>;
} // namespace payment
} // namespace bridge

template <>
inline constexpr auto lguim::enumPairs<bridge::payment::PaymentTypeEnumConverter::Key> {
    bridge::payment::PaymentTypeEnumConverter::pairs({
        { PaymentSettings::Cash, lea::payment::ProductsPrice::Prices::Cash },
        { PaymentSettings::Cashless, lea::payment::ProductsPrice::Prices::Cashless },
        { PaymentSettings::Mobile, lea::payment::ProductsPrice::Prices::Mobile },
        { PaymentSettings::Executive, lea::payment::ProductsPrice::Prices::Executive },
    })
};
