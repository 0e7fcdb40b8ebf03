#pragma once

#include "bridge/payment/moneyeventtypeenumconverter.h"
#include "bridge/payment/paxiofiletypeenumconverter.h"
#include "bridge/payment/paymenttypeenumconverter.h"
#include "bridge/payment/timebandenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace payment {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<MoneyEventTypeEnumConverter, PaxioFileTypeEnumConverter,
    PaymentTypeEnumConverter, TimeBandEnumConverter>;
} // namespace payment
} // namespace bridge
