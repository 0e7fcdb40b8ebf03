#pragma once

#include <cstddef>
#include <QMetaType>
#include <QtGlobal>

namespace payment {

/// What a money event reports.
enum CmeType : int {
    CoinIn = 0, ///< a coin went to the cash box
    CoinToTube = 1, ///< a coin went to a change tube
    ChangeOut = 2, ///< change was paid out
    ManualCoinOut = 3, ///< the operator paid coins out of the tubes
    TubeFill = 4, ///< the operator filled the tubes
    BillIn = 5, ///< a bill was stacked
    BillReturned = 6, ///< a bill held in escrow was given back
    TokenIn = 7,
    CashlessSessionStart = 8,
    CashlessVendApproved = 9,
    CashlessVendDenied = 10,
    CashlessSessionEnd = 11,
    CashlessRevalue = 12,
    FreeVend = 13,
    OverpayKept = 14, ///< credit above the price that was not paid back
    VendCancelled = 15,
    ExternalVend = 16, ///< a vend paid through an external payment system
};

/// A money event, as the payment side reports it for telemetry. The data
/// starts 8-byte aligned: readers copy the record as it is laid out.
struct Cme
{
    CmeType type = CoinIn;
    /// The amount, in the smallest unit of the currency.
    alignas(8) qint32 value = 0;
    /// The type number of the device that reported it; 0 for none.
    qint32 device = 0;
    /// Coins, bills or tokens counted.
    qint32 quantity = 0;
    /// The credit after the event.
    qint32 balance = 0;
};
static_assert(sizeof(Cme) == 24 && offsetof(Cme, value) == 8, "the money event's layout is shared");

} // namespace payment

Q_DECLARE_METATYPE(payment::Cme)
