#pragma once

#include "lea/products/products.h"

class Product;

namespace bridge {
namespace products {

/// The products of the loaded configuration as basic records, their images,
/// availability and failures. Follows the availability of the used products,
/// also across configuration replacements.
class Products : public lea::products::Products
{
    Q_OBJECT

public:
    explicit Products(QObject* parent);

    std::map<lea::ProductDbId, BasicProduct> products() const override;
    std::map<lea::ProductDbId, BasicProduct> productsAndSnacks() const override;
    std::map<lea::ProductDbId, BasicProduct> usedProducts() const override;
    nonstd::optional<BasicProduct> basics(lea::ProductDbId id) const override;
    bool isProductDisplayed(lea::ProductDbId id) const override;
    nonstd::optional<SpecialProductRecord> specials(lea::ProductDbId id) const override;
    void setBasics(lea::ProductDbId id, const BasicProduct& product) override;
    std::vector<lea::maintenance::FailureId> activeFailures(lea::ProductDbId id) const override;
    std::vector<lea::ProductDbId> touchlessProducts() const override;
    bool customizationAvailable(lea::ProductDbId id) const override;
    QByteArray getImageBase64(lea::ProductDbId id) const override;
    QFileInfo getImagePath(lea::ProductDbId id) const override;
    QString getImageHash(lea::ProductDbId id) const override;
    void setImagePath(lea::ProductDbId id, const QFileInfo& file) override;
    QFileInfo getAdditionalImagePath(lea::ProductDbId id) const override;
    QString statusInfo(lea::ProductDbId id) const override;

    /// Stores a product by its type; false, logged, when it was not stored.
    static bool saveCoreProduct(Product* product, const char* signature);
    /// Offered on the selection screen: displayed, or a snack, which the snack module always shows.
    static bool isSelectable(const Product& product);

private:
    void trackUsedProductsAvailability();
    void onProductAvailabilityChanged();
    void onSubProductAvailabilityChanged(int productId, bool available);
    void trackMultipleFailures();
    /// The product that sent the signal being handled, when it is still one of
    /// the loaded configuration's: a replaced configuration's products are gone.
    Product* loadedSender() const;
    Product* coreProductByDbId(lea::ProductDbId id) const;
};

} // namespace products
} // namespace bridge
