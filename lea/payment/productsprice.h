#pragma once

#include "lea/ids.h"
#include "lea/payment/timebands.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QList>
#include <QObject>
#include <vector>

namespace lea {
namespace payment {

/// Accessor of product prices: the price table of every product per time band
/// and payment type, the prices in force and the discounts. Prices are in the
/// smallest unit of the machine's currency; a negative price is no price.
class ProductsPrice : public QObject
{
    Q_OBJECT

public:
    /// The prices of one time band of one product; 0 where there is none.
    struct Prices
    {
        enum PaymentType : int32_t {
            Cash = 0,
            Cashless = 1,
            Mobile = 2,
            /// Its entry is the executive line.
            Executive = 3,
        };

        int32_t cash = 0;
        int32_t cashless = 0;
        int32_t mobile = 0;
        /// The line under which the executive protocol knows the product in this band; read only.
        int32_t executiveLine = 0;
    };

    /// The bands that have a price or an executive line.
    using ProductPrices = std::map<TimeBands::TimeBand, Prices>;

    /// The price a product sells at now, and its second price where the payment system has one.
    struct CurrentPrice
    {
        lea::ProductDbId id;
        int32_t price = 0;
        nonstd::optional<int32_t> secondPrice;
    };

    using Discounts = int32_t;

    ~ProductsPrice() override = default;

    virtual std::map<lea::ProductDbId, ProductPrices> productsPrices() const = 0;
    /// Writes the given bands of the given products; other bands keep their prices.
    virtual void setProductsPrices(const std::map<lea::ProductDbId, ProductPrices>& prices) = 0;
    /// The payment types the configured payment protocol uses.
    virtual QList<Prices::PaymentType> protocolPaymentTypes() const = 0;
    /// The starting price of every product the layout uses, in layout order.
    virtual std::vector<CurrentPrice> currentStartingPrices() const = 0;
    virtual nonstd::optional<CurrentPrice> currentPrice(lea::ProductDbId id) const = 0;
    virtual nonstd::optional<Discounts> discounts(lea::ProductDbId id) const = 0;

protected:
    explicit ProductsPrice(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
