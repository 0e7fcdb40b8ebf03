#pragma once

#include "bridge/taggedenumconverter.h"
#include "core/payment/cme.h"
#include "lea/payment/payments.h"

namespace bridge {
namespace payment {
using MoneyEventTypeEnumConverter = EnumConverter<::payment::CmeType, lea::payment::Payments::MoneyEventType>;
} // namespace payment
} // namespace bridge

// One to one.
template <>
inline constexpr auto lguim::enumPairs<bridge::payment::MoneyEventTypeEnumConverter::Key> {
    bridge::payment::MoneyEventTypeEnumConverter::pairs({
        { ::payment::CoinIn, lea::payment::Payments::CoinIn },
        { ::payment::CoinToTube, lea::payment::Payments::CoinToTube },
        { ::payment::ChangeOut, lea::payment::Payments::ChangeOut },
        { ::payment::ManualCoinOut, lea::payment::Payments::ManualCoinOut },
        { ::payment::TubeFill, lea::payment::Payments::TubeFill },
        { ::payment::BillIn, lea::payment::Payments::BillIn },
        { ::payment::BillReturned, lea::payment::Payments::BillReturned },
        { ::payment::TokenIn, lea::payment::Payments::TokenIn },
        { ::payment::CashlessSessionStart, lea::payment::Payments::CashlessSessionStart },
        { ::payment::CashlessVendApproved, lea::payment::Payments::CashlessVendApproved },
        { ::payment::CashlessVendDenied, lea::payment::Payments::CashlessVendDenied },
        { ::payment::CashlessSessionEnd, lea::payment::Payments::CashlessSessionEnd },
        { ::payment::CashlessRevalue, lea::payment::Payments::CashlessRevalue },
        { ::payment::FreeVend, lea::payment::Payments::FreeVend },
        { ::payment::OverpayKept, lea::payment::Payments::OverpayKept },
        { ::payment::VendCancelled, lea::payment::Payments::VendCancelled },
        { ::payment::ExternalVend, lea::payment::Payments::ExternalVend },
    })
};
