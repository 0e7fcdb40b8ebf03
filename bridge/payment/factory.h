#pragma once

#include "bridge/payment/payments.h"
#include "lea/helpers/concretefactory.h"
#include "lea/payment/factory.h"

namespace bridge {
namespace payment {

/// Creates the payment accessors; an interface listed as itself is not available on this machine.
using Factory = lea::helpers::ConcreteFactory<lea::payment::Factory, bridge::payment::Payments,
    lea::payment::ProductsPrice, lea::payment::TimeBands, lea::payment::Paxio,
    lea::payment::RemoteSelectorMdb, lea::payment::VirtualCredits>;

} // namespace payment
} // namespace bridge
