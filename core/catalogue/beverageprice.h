#pragma once

#include <array>
#include <QMetaType>

/// The price table of a product: for each time band and payment type one
/// price, in the smallest unit of the currency, and the line under which the
/// executive protocol knows the product. A negative value means none.
class BeveragePrice
{
public:
    /// One cell of the table.
    struct Price
    {
        enum TimeBand : int {
            TimeBand0 = 0,
            TimeBand1 = 1,
            TimeBand2 = 2,
            TimeBand3 = 3,
            /// The machine's own band; no client sets it.
            TimeBand4 = 4,
        };
        /// The values of PaymentSettings::PaymentType.
        enum PaymentType : int {
            Cash = 0,
            Cashless = 1,
            Mobile = 2,
            Executive = 3,
        };

        int price = -1;
        int executiveLine = -1;

        bool isEmpty() const { return price < 0 && executiveLine < 0; }
        bool operator==(const Price& other) const
        {
            return price == other.price && executiveLine == other.executiveLine;
        }
        bool operator!=(const Price& other) const { return !(*this == other); }
    };

    static constexpr int TimeBandCount = 5;
    static constexpr int PaymentTypeCount = 4;

    /// The price of `band` for `type`; negative when there is none. The price
    /// list selectors (`list`, `level`) and the product type belong to the
    /// real core's several price lists: this machine keeps one.
    int price(Price::PaymentType type, int list, int level, int band, int productType) const;
    /// Negative when the cell has no executive line.
    int executiveLine(int type, int band) const;
    /// The cell of `band` and `type`; an empty one outside the table.
    Price cell(int band, int type) const;
    /// Sets one cell (a negative value as -1); false when it is outside the
    /// table or already holds these values.
    bool setCell(int band, int type, const Price& price);

    static bool inTable(int band, int type)
    {
        return band >= 0 && band < TimeBandCount && type >= 0 && type < PaymentTypeCount;
    }

    bool isEmpty() const;
    bool operator==(const BeveragePrice& other) const { return m_cells == other.m_cells; }
    bool operator!=(const BeveragePrice& other) const { return !(*this == other); }

private:
    std::array<Price, TimeBandCount * PaymentTypeCount> m_cells {};
};

Q_DECLARE_METATYPE(BeveragePrice)
