#pragma once

#include "lea/payment/paxio.h"
#include "lea/payment/payments.h"
#include "lea/payment/productsprice.h"
#include "lea/payment/remoteselectormdb.h"
#include "lea/payment/timebands.h"
#include "lea/payment/virtualcredits.h"
#include "lea/priv/abstractfactory.h"

namespace lea {
namespace payment {

/// The factory of the payment accessors; the order of the list is part of the type.
using Factory = lea::priv::AbstractFactory<Payments, TimeBands, ProductsPrice, Paxio, RemoteSelectorMdb,
    VirtualCredits>;

} // namespace payment
} // namespace lea
