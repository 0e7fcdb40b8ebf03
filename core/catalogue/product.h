#pragma once

#include "core/catalogue/beverageprice.h"
#include "core/catalogue/cataloguerevision.h"
#include "core/catalogue/optionaltext.h"
#include "core/catalogue/videoplaylist.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class VideoPlaylist;

/// A product of the catalogue: what the machine sells. Availability is the
/// product being enabled while none of the failures that block it is active.
class Product : public QObject
{
    Q_OBJECT
    // The stored fields, so that an editor can take a copy and put it back.
    Q_PROPERTY(QString name READ name WRITE setName)
    Q_PROPERTY(bool displayed READ isDisplayed WRITE setDisplayed)
    Q_PROPERTY(int productAttributeRole READ productAttributeRole WRITE setProductAttributeRole)
    Q_PROPERTY(int itemNumber READ itemNumber WRITE setItemNumber)
    Q_PROPERTY(VideoPlaylist* videoPlaylist READ videoPlaylist WRITE setVideoPlaylist)
    Q_PROPERTY(QUrl image READ image WRITE setImage)
    Q_PROPERTY(QUrl dispensingImage READ dispensingImage WRITE setDispensingImage)
    Q_PROPERTY(nonstd::optional<QString> extraText READ extraText WRITE setExtraText)
    Q_PROPERTY(BeveragePrice beveragePrice READ beveragePrice WRITE setBeveragePrice)

public:
    enum ProductType : int {
        BaseProduct = 0,
        Beverage = 1,
        Snack = 2,
        SpecialProduct = 3,
        Promotion = 4,
        CoffeeToGoProduct = 5,
        UpsellingItem = 6,
    };

    /// The cup turret a recipe drops its cup from.
    enum CupToDropFromTurretEnum : int {
        NoTurret = 0,
        FirstTurret = 1,
        SecondTurret = 2,
    };
    Q_ENUM(CupToDropFromTurretEnum)

    /// Bits of the attribute mask.
    enum ProductAttribute : int {
        NoAttribute = 0,
        Hot = 1 << 0,
        Cold = 1 << 1,
        WithMilk = 1 << 2,
        Decaffeinated = 1 << 3,
        Vegan = 1 << 4,
        Sweet = 1 << 5,
        Seasonal = 1 << 6,
        New = 1 << 7,
    };

    Product(int id, ProductType productType, QObject* parent = nullptr);
    ~Product() override;

    /// The database row id.
    int id() const { return m_id; }
    /// Set once the product is stored.
    void setId(int id)
    {
        m_id = id;
        CatalogueRevision::bump();
    }
    ProductType productType() const { return m_productType; }

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    bool isDisplayed() const { return m_displayed; }
    void setDisplayed(bool displayed) { m_displayed = displayed; }
    /// The operator's switch: a disabled product is never available.
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isAvailable() const { return m_available; }
    /// The attribute bits (ProductAttribute), possibly with bits of no known attribute.
    int productAttributeRole() const { return m_attributes; }
    void setProductAttributeRole(int attributes) { m_attributes = attributes; }
    /// -1 when the product has none.
    int itemNumber() const { return m_itemNumber; }
    void setItemNumber(int number) { m_itemNumber = number; }
    /// Not owned; null when the product has none.
    VideoPlaylist* videoPlaylist() const { return m_playlist.data(); }
    void setVideoPlaylist(VideoPlaylist* playlist) { m_playlist = playlist; }
    QUrl image() const { return m_image; }
    void setImage(const QUrl& image) { m_image = image; }
    QUrl dispensingImage() const { return m_dispensingImage; }
    void setDispensingImage(const QUrl& image) { m_dispensingImage = image; }
    /// The MD5 of the stored image, in hexadecimal.
    QString imageHash() const { return m_imageHash; }
    void setImageHash(const QString& hash) { m_imageHash = hash; }
    QString statusInfo() const { return m_statusInfo; }
    void setStatusInfo(const QString& info) { m_statusInfo = info; }
    bool isCustomizationAvailable() const { return m_customizable; }
    void setCustomizationAvailable(bool available) { m_customizable = available; }
    nonstd::optional<QString> extraText() const { return m_extraText; }
    void setExtraText(const nonstd::optional<QString>& text) { m_extraText = text; }

    /// The product's audit value of an EVA-DTS data element ("PA203"...), empty when it has none.
    QString evadtsValue(const QString& element) const { return m_evadtsValues.value(element); }
    void setEvadtsValue(const QString& element, const QString& value)
    {
        m_evadtsValues.insert(element, value);
    }
    /// When the product was last dispensed; null before its first vend.
    QDateTime lastErogationTime() const { return m_lastErogationTime; }
    void setLastErogationTime(const QDateTime& time) { m_lastErogationTime = time; }

    // --- Prices -----------------------------------------------------------------
    // A price or line below 0 means none. The prices in force are those of the
    // time band in force, which the configuration sets as the clock moves.

    const BeveragePrice& beveragePrice() const { return m_beveragePrice; }
    /// Emits priceChanged() when the table differs.
    void setBeveragePrice(const BeveragePrice& price);
    /// Sets the price and executive line of `band` for `paymentType`; the price
    /// list selectors `list` and `level` are the real core's (one list here).
    /// A band or type outside the table names no cell and changes nothing.
    void setOrAddPrice(int paymentType, int list, int level, int band, int price, int executiveLine);
    /// The executive line of `band` for `paymentType` (the executive type, 3).
    int executiveLine(int paymentType, int list, int level, int band) const;
    /// The cash price of the band in force.
    int currentPrice() const;
    /// The cashless price of the band in force.
    int currentSecondPrice() const;
    /// The lowest price of the band in force over cash, cashless and mobile
    /// payment: the "from" price shown before a payment type is known.
    int startingPrice() const;
    int bandInForce() const { return m_bandInForce; }
    /// Emits priceChanged() when the prices in force change with the band.
    void setBandInForce(int band);
    /// The discounts granted on the product, as the payment system counts them.
    int discounts() const { return m_discounts; }
    void setDiscounts(int discounts);

    /// The failures that make the product unavailable while they are active.
    QList<int> blockingFailures() const { return m_blockingFailures; }
    void setBlockingFailures(const QList<int>& failures);
    /// Those of the blocking failures that are active now, in the order given.
    QList<int> activeFailures() const { return m_activeFailures; }
    /// Takes the machine's active failures into account; emits what changed.
    void updateFailures(const QList<int>& activeMachineFailures);

signals:
    void isAvailableChanged(bool available);
    void subProductAvailabilityChanged(int productId, bool available);
    /// More than one blocking failure is active.
    void mulitipleFailures();
    /// A price of the table, or the prices in force, changed.
    void priceChanged();
    void discountsChanged();

private:
    void updateAvailability();
    /// Current, second and starting price, to tell whether those in force changed.
    std::array<int, 3> pricesInForce() const;

    int m_id;
    ProductType m_productType;
    QString m_name;
    bool m_displayed = true;
    bool m_enabled = true;
    bool m_available = true;
    int m_attributes = NoAttribute;
    int m_itemNumber = -1;
    QPointer<VideoPlaylist> m_playlist;
    QUrl m_image;
    QUrl m_dispensingImage;
    QString m_imageHash;
    QString m_statusInfo;
    bool m_customizable = false;
    nonstd::optional<QString> m_extraText;
    QHash<QString, QString> m_evadtsValues;
    QDateTime m_lastErogationTime;
    QList<int> m_blockingFailures;
    QList<int> m_activeFailures;
    BeveragePrice m_beveragePrice;
    int m_bandInForce = BeveragePrice::Price::TimeBand0;
    int m_discounts = 0;
};
