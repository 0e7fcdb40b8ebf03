#include "core/catalogue/beverageprice.h"

#include <algorithm>

int BeveragePrice::price(Price::PaymentType type, int, int, int band, int) const
{
    return cell(band, type).price;
}

int BeveragePrice::executiveLine(int type, int band) const
{
    return cell(band, type).executiveLine;
}

BeveragePrice::Price BeveragePrice::cell(int band, int type) const
{
    return inTable(band, type) ? m_cells[std::size_t(band * PaymentTypeCount + type)] : Price();
}

bool BeveragePrice::setCell(int band, int type, const Price& price)
{
    if (!inTable(band, type))
        return false;
    // Every negative value means none: kept as -1, so that a cell reads back as it was stored.
    const Price normal { std::max(price.price, -1), std::max(price.executiveLine, -1) };
    Price& held = m_cells[std::size_t(band * PaymentTypeCount + type)];
    if (held == normal)
        return false;
    held = normal;
    return true;
}

bool BeveragePrice::isEmpty() const
{
    return std::all_of(m_cells.cbegin(), m_cells.cend(), [](const Price& price) { return price.isEmpty(); });
}
