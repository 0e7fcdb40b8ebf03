#pragma once

#include "lea/payment/productsprice.h"

class Product;

namespace bridge {
namespace payment {

/// The price tables of the loaded configuration's products, the prices in
/// force and the discounts. All state is in the core.
class ProductsPrice : public lea::payment::ProductsPrice
{
    Q_OBJECT

public:
    explicit ProductsPrice(QObject* parent);

    std::map<lea::ProductDbId, ProductPrices> productsPrices() const override;
    /// All or nothing: every band is converted before anything is written, and
    /// the products change (and announce it) only once their prices are stored.
    /// A 0 for a payment type that has no price in that band leaves it without.
    void setProductsPrices(const std::map<lea::ProductDbId, ProductPrices>& prices) override;
    QList<Prices::PaymentType> protocolPaymentTypes() const override;
    std::vector<CurrentPrice> currentStartingPrices() const override;
    nonstd::optional<CurrentPrice> currentPrice(lea::ProductDbId id) const override;
    nonstd::optional<Discounts> discounts(lea::ProductDbId id) const override;

    ProductPrices leaProductPricesFromCoreProduct(const Product& product) const;
};

} // namespace payment
} // namespace bridge
