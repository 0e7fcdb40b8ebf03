#include "demo/showcase/showcase.h"

#include "bridge/bridge.h"
#include "lea/interface/selection.h"
#include "lea/misc/states.h"
#include "lea/payment/payments.h"
#include "lea/payment/productsprice.h"
#include "lea/products/products.h"

#include <QMetaEnum>
#include <QUrl>
#include <QVariantMap>

namespace showcase {

namespace {

template <class Accessor, class Factory> std::unique_ptr<Accessor> create(Factory& factory)
{
    auto& imp = static_cast<lea::priv::AbstractFactoryImp<Accessor>&>(factory);
    return std::unique_ptr<Accessor>(imp.createImp(static_cast<Accessor*>(nullptr), nullptr));
}

} // namespace

Showcase::Showcase(bridge::Bridge& bridge, QObject* parent)
    : QObject(parent)
    , m_productsAccessor(create<lea::products::Products>(bridge.productsFactory()))
    , m_prices(create<lea::payment::ProductsPrice>(bridge.paymentFactory()))
    , m_selection(create<lea::interface::Selection>(bridge.interfaceFactory()))
    , m_states(create<lea::misc::States>(bridge.miscFactory()))
    , m_payments(create<lea::payment::Payments>(bridge.paymentFactory()))
{
    using lea::misc::States;
    connect(
        m_selection.get(), &lea::interface::Selection::selectionChanged, this, &Showcase::onSelectionChanged);
    connect(m_payments.get(), &lea::payment::Payments::creditChanged, this, &Showcase::creditChanged);
    connect(m_states.get(), &States::stateChanged, this, &Showcase::machineStateChanged);
    connect(m_states.get(), &States::notEnoughCredit, this,
        [this] { setDispensing(tr("Please insert more coins"), 0); });
    connect(m_states.get(), &States::erogationStarted, this,
        [this] { setDispensing(tr("Preparing your drink"), 1.0 / 3); });
    connect(m_states.get(), &States::erogationTakeCup, this,
        [this] { setDispensing(tr("Take your cup"), 2.0 / 3); });
    connect(
        m_states.get(), &States::erogationDone, this, [this] { setDispensing(tr("Enjoy your drink"), 1); });
    connect(m_states.get(), &States::erogationFailed, this,
        [this] { setDispensing(tr("Dispensing failed"), 0); });
}

Showcase::~Showcase() = default;

QString Showcase::creditText() const
{
    return priceText(m_payments->credit());
}

QString Showcase::machineState() const
{
    const QMetaEnum states = QMetaEnum::fromType<lea::misc::States::State>();
    const char* name = states.valueToKey(m_states->status().state);
    return name ? QString::fromLatin1(name) : QString::number(m_states->status().state);
}

void Showcase::load()
{
    m_products.clear();
    for (const auto& [id, product] : m_productsAccessor->usedProducts()) {
        const auto price = m_prices->currentPrice(id);
        const QString image = m_productsAccessor->getImagePath(id).filePath();
        m_products << QVariantMap { { QStringLiteral("id"), int(id.value()) },
            { QStringLiteral("name"), product.name }, { QStringLiteral("price"), price ? price->price : -1 },
            { QStringLiteral("priceText"), price ? priceText(price->price) : QString() },
            { QStringLiteral("image"),
                image.isEmpty() ? QString() : QUrl::fromLocalFile(image).toString() } };
    }
    emit productsChanged();
    if (!m_ready) {
        m_ready = true;
        emit readyChanged();
    }
}

bool Showcase::select(int productId)
{
    if (productId < 0)
        return false;
    setDispensing(QString(), 0);
    return m_selection->setSelectionUpdateUI(lea::ProductDbId(static_cast<unsigned int>(productId)));
}

void Showcase::buy()
{
    m_selection->startDelivery();
}

QString Showcase::priceText(int price)
{
    if (price < 0)
        return QString();
    return QStringLiteral("%1.%2").arg(price / 100).arg(price % 100, 2, 10, QLatin1Char('0'));
}

void Showcase::setDispensing(const QString& text, qreal progress)
{
    if (m_dispensingText == text && qFuzzyCompare(1 + m_dispensingProgress, 1 + progress))
        return;
    m_dispensingText = text;
    m_dispensingProgress = progress;
    emit dispensingChanged();
}

void Showcase::onSelectionChanged()
{
    const auto selection = m_selection->selection();
    const int selected = selection ? int(selection->product.value()) : -1;
    if (selected == m_selectedProduct)
        return;
    m_selectedProduct = selected;
    emit selectedProductChanged();
}

} // namespace showcase
