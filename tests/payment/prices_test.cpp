#include "bridge/payment/productsprice.h"
#include "bridge/payment/timebandenumconverter.h"
#include "bridge/payment/timebands.h"
#include "core/catalogue/product.h"
#include "core/configuration/paymentsettings.h"
#include "core/configuration/timebanddatasettings.h"
#include "core/log/logsink.h"
#include "core/machine/machineclock.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"

#include <functional>
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <sstream>

namespace {

using LeaPrices = lea::payment::ProductsPrice;
using LeaBands = lea::payment::TimeBands;
using Prices = LeaPrices::Prices;
using Switch = LeaBands::TimeBandSwitch;
using Table = std::map<lea::ProductDbId, LeaPrices::ProductPrices>;
using BandConverter = bridge::payment::TimeBandEnumConverter;

lea::ProductDbId id(int coreId)
{
    return lea::ProductDbId(unsigned(coreId));
}

// Readable renderings, so that a failure shows the whole table.
std::string text(const Table& table)
{
    std::ostringstream out;
    for (const auto& product : table) {
        out << product.first.value() << "=[";
        for (const auto& band : product.second)
            out << band.first << ":{" << band.second.cash << ',' << band.second.cashless << ','
                << band.second.mobile << ',' << band.second.executiveLine << '}';
        out << "] ";
    }
    return out.str();
}

std::string text(const std::vector<Switch>& switches)
{
    std::ostringstream out;
    for (const Switch& entry : switches)
        out << entry.day << ' ' << entry.time.toString(Qt::ISODateWithMs).toStdString() << ' ' << entry.band
            << "; ";
    return out.str();
}

// The test catalogue's beverages with prices: espresso 120 cash and 110
// cashless in band 0, free with mobile payment and executive line 7 in band 2,
// 99 in the machine's own band 4; hot chocolate 150 cashless in band 2;
// cappuccino none. Stored and loaded back; the clock stands on a Wednesday noon.
class PricesTest : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        clock().setSimulatedTime(at(Qt::Wednesday, "12:00:00"));
        Product& espresso = product(ids.espressoBeverage);
        espresso.setOrAddPrice(Prices::Cash, 0, 0, 0, 120, -1);
        espresso.setOrAddPrice(Prices::Cashless, 0, 0, 0, 110, -1);
        espresso.setOrAddPrice(Prices::Mobile, 0, 0, 2, 0, -1);
        espresso.setOrAddPrice(Prices::Executive, 0, 0, 2, -1, 7);
        espresso.setOrAddPrice(Prices::Cash, 0, 0, 4, 99, -1);
        product(ids.hotChocolateBeverage).setOrAddPrice(Prices::Cashless, 0, 0, 2, 150, -1);
        ASSERT_TRUE(configuration().saveProductPrice(&espresso));
        ASSERT_TRUE(configuration().saveProductPrice(&product(ids.hotChocolateBeverage)));
        reload();
        prices = createAccessor<LeaPrices, bridge::payment::ProductsPrice>();
        bands = createAccessor<LeaBands, bridge::payment::TimeBands>();
        clearLog();
    }

    static MachineClock& clock() { return *gCoreEnv->clock(); }
    /// A time in the week of Monday 5 January 2026.
    static QDateTime at(Qt::DayOfWeek day, const char* time)
    {
        return QDateTime(QDate(2026, 1, 4 + day), QTime::fromString(QLatin1String(time), Qt::ISODate));
    }
    Product& product(int coreId) const { return *configuration().product(coreId); }

    std::unique_ptr<bridge::payment::ProductsPrice> prices;
    std::unique_ptr<bridge::payment::TimeBands> bands;
};

TEST_F(PricesTest, EveryProductReadsTheBandsThatHaveAPriceOrALine)
{
    // A 0 is a price; a type without price reads 0; the machine's own band is left out.
    EXPECT_EQ(text(prices->productsPrices()),
        std::to_string(ids.espressoBeverage) + "=[0:{120,110,0,0}2:{0,0,0,7}] "
            + std::to_string(ids.hotChocolateBeverage) + "=[2:{0,150,0,0}] "
            + std::to_string(ids.cappuccinoBeverage) + "=[] ");
    // A product without id is reported and listed under it.
    product(ids.cappuccinoBeverage).setId(-5);
    EXPECT_EQ(prices->productsPrices().count(id(-5)), 1u);
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].items.mid(0, 2), (QStringList { "coreId >= 0", "Expected valid identifier" }));
}

TEST_F(PricesTest, EveryBandAndPaymentTypeIsWrittenStoredAndReadBack)
{
    Table wanted;
    for (const int product : { ids.espressoBeverage, ids.hotChocolateBeverage, ids.cappuccinoBeverage }) {
        for (const LeaBands::TimeBand band : BandConverter::convertibleExternalValues())
            wanted[id(product)][band]
                = { product * 1000 + band * 10 + 1, -(band * 10 + 2), band * 10 + 3, 0 };
    }
    prices->setProductsPrices(wanted);
    // The executive line is not written: espresso keeps its line.
    wanted[id(ids.espressoBeverage)][LeaBands::TimeBand2].executiveLine = 7;
    // A negative price is none: the band shows 0.
    for (auto& product : wanted) {
        for (auto& band : product.second)
            band.second.cashless = 0;
    }
    EXPECT_EQ(text(prices->productsPrices()), text(wanted));
    reload();
    EXPECT_EQ(text(prices->productsPrices()), text(wanted));

    // Bands that a table omits keep their prices.
    prices->setProductsPrices(
        { { id(ids.cappuccinoBeverage), { { LeaBands::TimeBand1, { 5, 6, 7, 0 } } } } });
    wanted[id(ids.cappuccinoBeverage)][LeaBands::TimeBand1] = { 5, 6, 7, 0 };
    reload();
    EXPECT_EQ(text(prices->productsPrices()), text(wanted));
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(PricesTest, ATypeWithoutPriceStaysWithoutOneWhenItsTableIsWrittenBack)
{
    const Table read = prices->productsPrices();
    prices->setProductsPrices(read);
    reload();
    EXPECT_EQ(text(prices->productsPrices()), text(read));
    const auto price = [this](int productId, Prices::PaymentType type, int band) {
        return product(productId).beveragePrice().price(
            BeveragePrice::Price::PaymentType(type), 5, 4, band, 1);
    };
    EXPECT_LT(price(ids.hotChocolateBeverage, Prices::Cash, 2), 0);
    EXPECT_EQ(price(ids.espressoBeverage, Prices::Mobile, 2), 0);
    // Where there is a price, a 0 makes it free.
    prices->setProductsPrices({ { id(ids.hotChocolateBeverage), { { LeaBands::TimeBand2, {} } } } });
    EXPECT_EQ(price(ids.hotChocolateBeverage, Prices::Cashless, 2), 0);
    EXPECT_LT(price(ids.hotChocolateBeverage, Prices::Mobile, 2), 0);
}

TEST_F(PricesTest, ABandThatDoesNotConvertOrAnUnknownProductChangesNothing)
{
    const QStringList before = snapshot();
    const std::string read = text(prices->productsPrices());
    const Table bad { { id(ids.espressoBeverage), { { LeaBands::TimeBand1, { 1, 2, 3, 0 } } } },
        { id(ids.cappuccinoBeverage), { { LeaBands::TimeBand(4), { 1, 2, 3, 0 } } } } };
    EXPECT_EQ(exceptionText([&] { prices->setProductsPrices(bad); }),
        std::string("Invalid external enum value 4 (") + BandConverter::converter() + ")");
    prices->setProductsPrices({ { id(9999), { { LeaBands::TimeBand0, { 1, 2, 3, 0 } } } } });
    EXPECT_EQ(text(prices->productsPrices()), read);
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(PricesTest, ARefusedSaveLeavesEveryProductAsItWasAndAnnouncesNothing)
{
    refuseWrites(QStringLiteral("BEFORE INSERT ON Product_Prices WHEN NEW.product_id = %1")
                     .arg(ids.cappuccinoBeverage));
    QSignalSpy changed(&product(ids.espressoBeverage), &Product::priceChanged);
    const QStringList before = snapshot();
    const std::string read = text(prices->productsPrices());
    const Table wanted { { id(ids.espressoBeverage), { { LeaBands::TimeBand0, { 1, 2, 3, 0 } } } },
        { id(ids.cappuccinoBeverage), { { LeaBands::TimeBand0, { 4, 5, 6, 0 } } } } };
    prices->setProductsPrices(wanted);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed saving product prices")).size(), 1);
    EXPECT_EQ(text(prices->productsPrices()), read);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(changed.count(), 0);

    acceptWrites();
    prices->setProductsPrices(wanted);
    // Once, after the whole write is stored.
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(prices->currentPrice(id(ids.espressoBeverage))->price, 1);
}

TEST_F(PricesTest, ThePriceInForceIsThatOfTheLatestSwitchOfTheWeek)
{
    Product& espresso = product(ids.espressoBeverage);
    for (int band = 0; band < 4; ++band)
        espresso.setOrAddPrice(Prices::Cash, 0, 0, band, 100 + band, -1);
    ASSERT_TRUE(configuration().saveProductPrice(&espresso));
    // Without switches band 0 applies.
    EXPECT_EQ(prices->currentPrice(id(ids.espressoBeverage))->price, 100);
    bands->setTimeBandSwitch({ { QTime(8, 0), Qt::Monday, LeaBands::TimeBand1 },
        { QTime(12, 0), Qt::Saturday, LeaBands::TimeBand3 },
        { QTime(18, 0), Qt::Wednesday, LeaBands::TimeBand2 } });
    EXPECT_EQ(prices->currentPrice(id(ids.espressoBeverage))->price, 101);

    QSignalSpy changed(&espresso, &Product::priceChanged);
    const struct
    {
        Qt::DayOfWeek day;
        const char* time;
        int price;
    } cases[] = {
        // Before the week's first switch, the week's last one still holds.
        { Qt::Monday, "07:59:59", 103 },
        { Qt::Monday, "08:00:00", 101 },
        { Qt::Wednesday, "17:59:59", 101 },
        { Qt::Wednesday, "18:00:00", 102 },
        { Qt::Sunday, "23:59:59", 103 },
    };
    for (const auto& c : cases) {
        clock().setSimulatedTime(at(c.day, c.time));
        EXPECT_EQ(prices->currentPrice(id(ids.espressoBeverage))->price, c.price) << c.day << ' ' << c.time;
    }
    EXPECT_EQ(changed.count(), 4);
    // Switches and prices are stored: a new configuration applies them at once.
    reload();
    EXPECT_EQ(prices->currentPrice(id(ids.espressoBeverage))->price, 103);
}

TEST_F(PricesTest, SecondPriceOnlyInModeThreeStartingPricesNeverAndDiscountsAsTheyAre)
{
    const auto current = prices->currentPrice(id(ids.espressoBeverage));
    ASSERT_TRUE(current);
    EXPECT_EQ(current->id, id(ids.espressoBeverage));
    EXPECT_EQ(current->price, 120);
    EXPECT_FALSE(current->secondPrice);
    configuration().paymentSettings()->setSecondPriceMode(3);
    EXPECT_EQ(prices->currentPrice(id(ids.espressoBeverage))->secondPrice, nonstd::optional<int32_t>(110));
    EXPECT_EQ(prices->currentPrice(id(ids.cappuccinoBeverage))->price, -1);
    EXPECT_FALSE(prices->currentPrice(id(9999)));

    // The lowest price in force, for the used products in layout order.
    using Listed = std::vector<std::pair<unsigned, int>>;
    const auto starting = [this] {
        Listed listed;
        for (const LeaPrices::CurrentPrice& price : prices->currentStartingPrices())
            listed.emplace_back(price.id.value(), price.secondPrice ? -99 : price.price);
        return listed;
    };
    const unsigned espresso = ids.espressoBeverage, chocolate = ids.hotChocolateBeverage,
                   cappuccino = ids.cappuccinoBeverage;
    EXPECT_EQ(starting(), (Listed { { espresso, 110 }, { chocolate, -1 }, { cappuccino, -1 } }));
    bands->addTimeBandSwitch({ QTime(0, 0), Qt::Monday, LeaBands::TimeBand2 });
    EXPECT_EQ(starting(), (Listed { { espresso, 0 }, { chocolate, 150 }, { cappuccino, -1 } }));

    QSignalSpy changed(&product(ids.espressoBeverage), &Product::discountsChanged);
    product(ids.espressoBeverage).setDiscounts(15);
    product(ids.espressoBeverage).setDiscounts(15);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(prices->discounts(id(ids.espressoBeverage)), nonstd::optional<int32_t>(15));
    EXPECT_FALSE(prices->discounts(id(9999)));
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(PricesTest, SwitchesAreReplacedAddedAndDeletedAndStoredWithThePaymentSettings)
{
    configuration().paymentSettings()->setPaymentTypeModel({ "Executive", "Coins", "Cash", "cashless" });
    const Switch morning { QTime(8, 0), Qt::Monday, LeaBands::TimeBand1 };
    const Switch evening { QTime(18, 30, 15, 250), Qt::Friday, LeaBands::TimeBand3 };
    bands->setTimeBandSwitch({ evening, morning });
    bands->addTimeBandSwitch(morning);
    reload();
    EXPECT_EQ(text(bands->priceTimeBandSwitch()), text({ evening, morning, morning }));

    const quint32 counter = databaseChangeCounter();
    bands->deleteTimeBandSwitch({ QTime(8, 0), Qt::Monday, LeaBands::TimeBand2 });
    EXPECT_EQ(databaseChangeCounter(), counter);
    bands->deleteTimeBandSwitch(morning);
    EXPECT_EQ(databaseChangeCounter(), counter + 1);
    reload();
    EXPECT_EQ(text(bands->priceTimeBandSwitch()), text({ evening }));
    bands->deleteAllSwitch();
    reload();
    EXPECT_TRUE(bands->priceTimeBandSwitch().empty());
    // The protocol's types in the enumeration's order, whatever the model's.
    EXPECT_EQ(
        prices->protocolPaymentTypes(), (QList<Prices::PaymentType> { Prices::Cash, Prices::Executive }));
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(PricesTest, ABadSwitchOrARefusedSaveChangesNoSwitch)
{
    const Switch morning { QTime(8, 0), Qt::Monday, LeaBands::TimeBand1 };
    const Switch evening { QTime(18, 0), Qt::Friday, LeaBands::TimeBand3 };
    bands->setTimeBandSwitch({ morning });
    const std::string held = text(bands->priceTimeBandSwitch());
    for (const Switch& wrong : { Switch { QTime(9, 0), Qt::Monday, LeaBands::TimeBand(4) },
             Switch { QTime(), Qt::Monday, LeaBands::TimeBand0 },
             Switch { QTime(9, 0), Qt::DayOfWeek(0), LeaBands::TimeBand0 } }) {
        EXPECT_THROW(bands->setTimeBandSwitch({ evening, wrong }), std::invalid_argument);
        EXPECT_THROW(bands->addTimeBandSwitch(wrong), std::invalid_argument);
    }
    EXPECT_THROW(bands->deleteTimeBandSwitch({ QTime(8, 0), Qt::Monday, LeaBands::TimeBand(-1) }),
        std::invalid_argument);
    EXPECT_EQ(text(bands->priceTimeBandSwitch()), held);

    refuseSetting(QStringLiteral("payment/timeBandSwitches"));
    const std::function<void()> writes[]
        = { [&] { bands->setTimeBandSwitch({ evening }); }, [&] { bands->addTimeBandSwitch(evening); },
              [&] { bands->deleteAllSwitch(); }, [&] { bands->deleteTimeBandSwitch(morning); } };
    for (const auto& write : writes) {
        write();
        EXPECT_EQ(text(bands->priceTimeBandSwitch()), held);
    }
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed saving payment settings")).size(), 4);
    reload();
    EXPECT_EQ(text(bands->priceTimeBandSwitch()), held);
}

TEST_F(PricesTest, TheMachinesOwnBandIsNotReported)
{
    configuration().paymentSettings()->addState(new TimeBandDataSettings(QTime(6, 0), Qt::Tuesday, 4));
    EXPECT_EQ(exceptionText([&] { bands->priceTimeBandSwitch(); }),
        std::string("Invalid internal enum value 4 (") + BandConverter::converter() + ")");
    EXPECT_FALSE(bands->findCoreTimeBandSwitchForLeaTimeBandSwitch({ QTime(6, 0), Qt::Tuesday, {} }));
    EXPECT_TRUE(logEntries().isEmpty());
}

using ProductsPrice = bridge::payment::ProductsPrice;
const lea::ProductDbId kAny(1);
const GuardCase<ProductsPrice> kPricesGuard[] = {
    { "productsPrices", [](ProductsPrice& a) { return a.productsPrices().empty(); } },
    { "setProductsPrices",
        [](ProductsPrice& a) {
            return a.setProductsPrices({ { kAny, {} } }), true;
        } },
    { "protocolPaymentTypes", [](ProductsPrice& a) { return a.protocolPaymentTypes().isEmpty(); }, false },
    { "currentStartingPrices", [](ProductsPrice& a) { return a.currentStartingPrices().empty(); } },
    { "currentPrice", [](ProductsPrice& a) { return !a.currentPrice(kAny); } },
    { "discounts", [](ProductsPrice& a) { return !a.discounts(kAny); } },
};
GUARD_TEST(ProductsPriceGuard, LeaPrices, ProductsPrice, kPricesGuard);

using TimeBands = bridge::payment::TimeBands;
const Switch kSwitch { QTime(8, 0), Qt::Monday, LeaBands::TimeBand1 };
// The band in force is reported as not supported, with or without configuration.
const GuardCase<TimeBands> kBandsGuard[] = {
    { "priceTimeBandSwitch", [](TimeBands& a) { return a.priceTimeBandSwitch().empty(); } },
    { "setTimeBandSwitch", [](TimeBands& a) { return a.setTimeBandSwitch({ kSwitch }), true; } },
    { "addTimeBandSwitch", [](TimeBands& a) { return a.addTimeBandSwitch(kSwitch), true; } },
    { "deleteAllSwitch", [](TimeBands& a) { return a.deleteAllSwitch(), true; } },
    { "deleteTimeBandSwitch", [](TimeBands& a) { return a.deleteTimeBandSwitch(kSwitch), true; }, false },
    { "currentTimeBand", [](TimeBands& a) { return a.currentTimeBand(), true; }, Guard::Unsupported },
    { "findCoreTimeBandSwitchForLeaTimeBandSwitch",
        [](TimeBands& a) { return !a.findCoreTimeBandSwitchForLeaTimeBandSwitch(kSwitch); } },
};
GUARD_TEST(TimeBandsGuard, LeaBands, TimeBands, kBandsGuard);

} // namespace
