#pragma once

#include "bridge/payment/paxio.h"
#include "bridge/payment/payments.h"
#include "bridge/payment/productsprice.h"
#include "bridge/payment/remoteselectormdb.h"
#include "bridge/payment/timebands.h"
#include "lea/helpers/concretefactory.h"
#include "lea/payment/factory.h"

namespace bridge {
namespace payment {

/// Creates the payment accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::payment::Factory, bridge::payment::Payments,
    bridge::payment::ProductsPrice, bridge::payment::TimeBands, bridge::payment::Paxio,
    bridge::payment::RemoteSelectorMdb, lea::payment::VirtualCredits>;

} // namespace payment
} // namespace bridge
