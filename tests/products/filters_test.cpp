#include "bridge/products/cups.h"
#include "bridge/products/filters.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/snack.h"
#include "core/gui/guimanager.h"
#include "core/settings/settingsstore.h"
#include "products/records.h"
#include "support/images.h"

namespace {

using Lea = lea::products::Filters;
using Accessor = bridge::products::Filters;

class FiltersTest : public AccessorTest<Lea, Accessor>
{
protected:
    void SetUp() override
    {
        AccessorTest::SetUp();
        // Attribute masks: espresso 8 (bit 3), cappuccino bits 0 and 31, a hidden snack 8, a hidden
        // beverage 8.
        setAttributes(ids.espressoBeverage, 8);
        setAttributes(ids.cappuccinoBeverage, int(0x80000001u));
        Snack snack;
        snack.setDisplayed(false);
        snack.setProductAttributeRole(8);
        ASSERT_TRUE(loader().saveSnack(&snack, 1));
        snackId = snack.id();
        setAttributes(ids.hotChocolateBeverage, 8, false);
    }

    void setAttributes(int id, int mask, bool displayed = true)
    {
        Product* product = configuration().product(id);
        product->setProductAttributeRole(mask);
        product->setDisplayed(displayed);
        ASSERT_TRUE(loader().saveBeverage(qobject_cast<Beverage*>(product), 1));
    }

    void store(const char* name, int bit, int number, quint8 first, quint8 second)
    {
        ProductFilter filter;
        filter.setName(QString::fromUtf8(name));
        filter.setAttributeBit(bit);
        filter.setFilterNumber(number);
        filter.setFirstFlag(first);
        filter.setSecondFlag(second);
        ASSERT_TRUE(loader().saveProductFilter(filter, position++));
    }

    int snackId = -1;
    int position = 0;
};

TEST_F(FiltersTest, EachFilterSelectsTheOfferedProductsCarryingItsBit)
{
    store("Decaf", 3, 11, 1, 0);
    store("Hot", 0, -4, 0, 255);
    store("Top", 31, 0, 2, 2);
    // Bit numbers count modulo 32, negative ones too.
    store("Wrapped", 35, 1, 0, 0);
    store("Negative", -1, 2, 0, 0);
    store("Nobody", 12, 3, 0, 0);
    reload();
    machine().core().configurationGroup()->translationsManager()->addTranslation(
        QStringLiteral("Decaf"), TypedString::FilterName, QLocale::German, QStringLiteral("Entkoffeiniert"));
    machine().guiManager().setCurrentLanguage(QLocale::German);

    const unsigned espresso = unsigned(ids.espressoBeverage), cappuccino = unsigned(ids.cappuccinoBeverage);
    // (name, products, attribute bit, filter number, first flag, second flag)
    const std::vector<std::tuple<QString, Ids, int32_t, int32_t, uint8_t, uint8_t>> expected = {
        { "Decaf", { espresso, unsigned(snackId) }, 3, 11, 1, 0 },
        { "Hot", { cappuccino }, 0, -4, 0, 255 },
        { "Top", { cappuccino }, 31, 0, 2, 2 },
        { "Wrapped", { espresso, unsigned(snackId) }, 35, 1, 0, 0 },
        { "Negative", { cappuccino }, -1, 2, 0, 0 },
        { "Nobody", {}, 12, 3, 0, 0 },
    };
    const std::vector<Lea::Filter> filters = accessor->filters();
    ASSERT_EQ(filters.size(), expected.size());
    for (std::size_t i = 0; i < filters.size(); ++i) {
        const Lea::Filter& f = filters[i];
        EXPECT_EQ(std::make_tuple(f.name, values(f.products), f.attributeBit.value_or(-99),
                      f.filterNumber.value_or(-99), f.firstFlag.value_or(99), f.secondFlag.value_or(99)),
            expected[i]);
        EXPECT_TRUE(f.imagePath.isEmpty());
        ASSERT_TRUE(f.translations);
    }
    EXPECT_EQ(
        texts(*filters[0].translations), (Texts { { QLocale::German, QStringLiteral("Entkoffeiniert") } }));
}

TEST_F(FiltersTest, ImageOfAFilter)
{
    store("Decaf", 3, 11, 1, 0);
    reload();
    const int id = configuration().productFilters().at(0).id();
    ASSERT_TRUE(
        loader().saveImage(ConfigurationLoader::ImageOwner::ProductFilter, {}, id, base64Image({ 2, 2 }, "PNG", Qt::red)));
    EXPECT_FALSE(accessor->filters().at(0).imagePath.isEmpty());
}

using CupsTest = AccessorTest<lea::products::Cups, bridge::products::Cups>;

TEST_F(CupsTest, TwoTurretsWithTheirStoredCapacityHeldToOneByte)
{
    // (first turret setting, second turret setting, capacities read)
    const std::vector<std::tuple<int, int, std::pair<int, int>>> cases
        = { { 40, 0, { 40, 0 } }, { 255, 120, { 255, 120 } }, { 300, -2, { 255, 0 } } };
    SettingsStore& store = *machine().core().configurationGroup()->settingsStore();
    for (const auto& [first, second, read] : cases) {
        ASSERT_TRUE(store.setValue(QStringLiteral("cups/firstTurretCapacity"), first));
        ASSERT_TRUE(store.setValue(QStringLiteral("cups/secondTurretCapacity"), second));
        reload();
        const auto turrets = accessor->turrets();
        ASSERT_EQ(turrets.size(), 2u);
        ASSERT_TRUE(turrets[0] && turrets[1]);
        EXPECT_EQ(std::make_pair(int(turrets[0]->maximumQuantity), int(turrets[1]->maximumQuantity)), read);
    }
}

const GuardCase<Accessor> kGuard[] = {
    { "filters", [](Accessor& a) { return a.filters().empty(); } },
};
GUARD_TEST(FiltersGuard, Lea, Accessor, kGuard);

using CupsAccessor = bridge::products::Cups;
const GuardCase<CupsAccessor> kCupsGuard[] = {
    { "turrets", [](CupsAccessor& a) { return a.turrets().empty(); } },
};
GUARD_TEST(CupsGuard, lea::products::Cups, CupsAccessor, kCupsGuard);

} // namespace
