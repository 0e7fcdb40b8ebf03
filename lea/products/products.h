#pragma once

#include "lea/ids.h"
#include "lea/translation.h"
#include "nonstd/optional.hpp"

#include <cstdint>
#include <map>
#include <QByteArray>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <set>
#include <vector>

namespace lea {
namespace maintenance {
enum FailureId : int32_t;
} // namespace maintenance

namespace products {

/// Accessor of the product catalogue: every product as a basic record, its
/// images, availability and failures.
class Products : public QObject
{
    Q_OBJECT

public:
    enum ProductType : int32_t {
        BeverageProduct = 0,
        SnackProduct = 1,
        SpecialProduct = 2,
        PromotionProduct = 3,
        CoffeeToGoProduct = 4,
        UpsellingProduct = 5,
    };
    Q_ENUM(ProductType)

    /// One bit each of the core's attribute mask.
    enum Attribute : int32_t {
        Attribute0 = 0,
        Attribute1 = 1,
        Attribute2 = 2,
        Attribute3 = 3,
        Attribute4 = 4,
        Attribute5 = 5,
        Attribute6 = 6,
        Attribute7 = 7,
    };
    Q_ENUM(Attribute)

    /// What every product has: name, attributes, availability and the products offered with it.
    struct BasicProduct
    {
        QString name;
        std::vector<lea::Translation> translations;
        std::set<Attribute> attributes;
        /// The product's video playlist.
        nonstd::optional<int32_t> playlistId;
        ProductType productType = BeverageProduct; ///< read only
        bool enabledFlag = false; ///< read only
        bool available = false; ///< read only
        std::vector<lea::ProductDbId> upsellings; ///< read only
        /// Empty keeps the stored item number when written.
        nonstd::optional<int32_t> itemNumber;
        /// A snack's or coffee-to-go product's own number; read only.
        nonstd::optional<int32_t> typeSpecificValue;
        nonstd::optional<QString> extraText;
    };

    /// A special product: the basic record and the cup-turret it drops its cup from.
    struct SpecialProductRecord : BasicProduct
    {
        nonstd::optional<uint8_t> cupDropTurret;
    };

    ~Products() override = default;

    virtual std::map<lea::ProductDbId, BasicProduct> products() const = 0;
    /// The products that are displayed, and every snack.
    virtual std::map<lea::ProductDbId, BasicProduct> productsAndSnacks() const = 0;
    /// The products the current layout uses.
    virtual std::map<lea::ProductDbId, BasicProduct> usedProducts() const = 0;
    virtual nonstd::optional<BasicProduct> basics(lea::ProductDbId id) const = 0;
    virtual bool isProductDisplayed(lea::ProductDbId id) const = 0;
    /// Present for a special product only.
    virtual nonstd::optional<SpecialProductRecord> specials(lea::ProductDbId id) const = 0;
    virtual void setBasics(lea::ProductDbId id, const BasicProduct& product) = 0;
    virtual std::vector<lea::maintenance::FailureId> activeFailures(lea::ProductDbId id) const = 0;
    virtual std::vector<lea::ProductDbId> touchlessProducts() const = 0;
    virtual bool customizationAvailable(lea::ProductDbId id) const = 0;
    /// The main image, base64 encoded; empty when there is none.
    virtual QByteArray getImageBase64(lea::ProductDbId id) const = 0;
    /// The main image as a PNG file; an empty path when there is none.
    virtual QFileInfo getImagePath(lea::ProductDbId id) const = 0;
    virtual QString getImageHash(lea::ProductDbId id) const = 0;
    /// Makes the file the product's image and its dispensing image.
    virtual void setImagePath(lea::ProductDbId id, const QFileInfo& file) = 0;
    virtual QFileInfo getAdditionalImagePath(lea::ProductDbId id) const = 0;
    virtual QString statusInfo(lea::ProductDbId id) const = 0;

signals:
    void changed();
    void availabilityChanged(lea::ProductDbId id);
    void subProductsAvailabilityChanged(lea::ProductDbId id);
    void multipleFailures(lea::ProductDbId id);

protected:
    explicit Products(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace products
} // namespace lea
