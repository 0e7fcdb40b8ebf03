#include "core/catalogue/product.h"

#include "core/catalogue/videoplaylist.h"

Product::Product(int id, ProductType productType, QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_productType(productType)
{
}

Product::~Product() = default;

void Product::setEnabled(bool enabled)
{
    m_enabled = enabled;
    updateAvailability();
}

void Product::setBlockingFailures(const QList<int>& failures)
{
    m_blockingFailures = failures;
}

void Product::updateFailures(const QList<int>& activeMachineFailures)
{
    QList<int> active;
    for (const int failure : m_blockingFailures) {
        if (activeMachineFailures.contains(failure))
            active << failure;
    }
    if (active == m_activeFailures)
        return;
    const bool wasMultiple = m_activeFailures.size() > 1;
    m_activeFailures = active;
    updateAvailability();
    if (!wasMultiple && active.size() > 1)
        emit mulitipleFailures();
}

void Product::updateAvailability()
{
    const bool available = m_enabled && m_activeFailures.isEmpty();
    if (available == m_available)
        return;
    m_available = available;
    emit isAvailableChanged(available);
}

void Product::setBeveragePrice(const BeveragePrice& price)
{
    if (price == m_beveragePrice)
        return;
    m_beveragePrice = price;
    emit priceChanged();
}

void Product::setOrAddPrice(int paymentType, int, int, int band, int price, int executiveLine)
{
    if (m_beveragePrice.setCell(band, paymentType, { price, executiveLine }))
        emit priceChanged();
}

int Product::executiveLine(int paymentType, int, int, int band) const
{
    return m_beveragePrice.executiveLine(paymentType, band);
}

int Product::currentPrice() const
{
    return m_beveragePrice.cell(m_bandInForce, BeveragePrice::Price::Cash).price;
}

int Product::currentSecondPrice() const
{
    return m_beveragePrice.cell(m_bandInForce, BeveragePrice::Price::Cashless).price;
}

int Product::startingPrice() const
{
    int lowest = -1;
    for (const int type :
        { BeveragePrice::Price::Cash, BeveragePrice::Price::Cashless, BeveragePrice::Price::Mobile }) {
        const int price = m_beveragePrice.cell(m_bandInForce, type).price;
        if (price >= 0 && (lowest < 0 || price < lowest))
            lowest = price;
    }
    return lowest;
}

void Product::setBandInForce(int band)
{
    if (band == m_bandInForce)
        return;
    const std::array<int, 3> before = pricesInForce();
    m_bandInForce = band;
    if (pricesInForce() != before)
        emit priceChanged();
}

void Product::setDiscounts(int discounts)
{
    if (discounts == m_discounts)
        return;
    m_discounts = discounts;
    emit discountsChanged();
}

std::array<int, 3> Product::pricesInForce() const
{
    return { currentPrice(), currentSecondPrice(), startingPrice() };
}
