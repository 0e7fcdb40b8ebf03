#pragma once

#include <memory>
#include <QObject>
#include <QString>
#include <QVariantList>

namespace bridge {
class Bridge;
}
namespace lea {
namespace interface {
class Selection;
}
namespace misc {
class States;
}
namespace payment {
class Payments;
class ProductsPrice;
} // namespace payment
namespace products {
class Products;
}
} // namespace lea

namespace showcase {

/// What the showcase's QML shows of the machine, read through the bridge's
/// accessors only: the menu with prices and cached images, the selection,
/// the credit and the dispensing progress. Published to QML as "Showcase".
class Showcase : public QObject
{
    Q_OBJECT
    /// One map per displayed product: id, name, price (smallest currency
    /// unit, -1 without one), priceText and image (a file URL, empty without one).
    Q_PROPERTY(QVariantList products READ products NOTIFY productsChanged)
    /// The menu has been read.
    Q_PROPERTY(bool ready READ ready NOTIFY readyChanged)
    /// The selected product's id; -1 when nothing is selected.
    Q_PROPERTY(int selectedProduct READ selectedProduct NOTIFY selectedProductChanged)
    Q_PROPERTY(QString creditText READ creditText NOTIFY creditChanged)
    /// The machine state's name (lea::misc::States::State).
    Q_PROPERTY(QString machineState READ machineState NOTIFY machineStateChanged)
    /// What the dispensing is doing, for the customer.
    Q_PROPERTY(QString dispensingText READ dispensingText NOTIFY dispensingChanged)
    /// 0 before a dispensing, 1 once the drink is done.
    Q_PROPERTY(qreal dispensingProgress READ dispensingProgress NOTIFY dispensingChanged)

public:
    explicit Showcase(bridge::Bridge& bridge, QObject* parent = nullptr);
    ~Showcase() override;

    QVariantList products() const { return m_products; }
    bool ready() const { return m_ready; }
    int selectedProduct() const { return m_selectedProduct; }
    QString creditText() const;
    QString machineState() const;
    QString dispensingText() const { return m_dispensingText; }
    qreal dispensingProgress() const { return m_dispensingProgress; }

    /// Reads the menu again; ready from then on.
    Q_INVOKABLE void load();
    /// Selects a product of the menu; false when the machine refuses it.
    Q_INVOKABLE bool select(int productId);
    /// Buys the selection.
    Q_INVOKABLE void buy();

    /// A price as the customer reads it: "1.50"; empty for no price (below 0).
    static QString priceText(int price);
    Q_INVOKABLE QString priceTextOf(int price) const { return priceText(price); }

signals:
    void productsChanged();
    void readyChanged();
    void selectedProductChanged();
    void creditChanged();
    void machineStateChanged();
    void dispensingChanged();

private:
    void setDispensing(const QString& text, qreal progress);
    void onSelectionChanged();

    std::unique_ptr<lea::products::Products> m_productsAccessor;
    std::unique_ptr<lea::payment::ProductsPrice> m_prices;
    std::unique_ptr<lea::interface::Selection> m_selection;
    std::unique_ptr<lea::misc::States> m_states;
    std::unique_ptr<lea::payment::Payments> m_payments;
    QVariantList m_products;
    bool m_ready = false;
    int m_selectedProduct = -1;
    QString m_dispensingText;
    qreal m_dispensingProgress = 0;
};

} // namespace showcase
