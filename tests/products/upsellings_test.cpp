#include "bridge/products/upsellings.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/ctgupsellingitem.h"
#include "core/catalogue/syrupupsellingitem.h"
#include "products/records.h"

namespace {

using Lea = lea::products::Upsellings;
using Accessor = bridge::products::Upsellings;
using Item = AbstractUpsellingItem;

class UpsellingsTest : public AccessorTest<Lea, Accessor>
{
protected:
    void SetUp() override
    {
        AccessorTest::SetUp();
        cookie = save(std::make_unique<Item>(), "Cookie", Item::BeforePreparation, 3);
        auto lidItem = std::make_unique<CTGUpsellingItem>();
        lidItem->setCTGLid(true);
        lidItem->setProductId(ids.espressoBeverage);
        lid = save(std::move(lidItem), "Lid", Item::BeforePreparation, 1);
        auto sleeveItem = std::make_unique<CTGUpsellingItem>();
        sleeveItem->setProductId(-1);
        sleeve = save(std::move(sleeveItem), "Sleeve", Item::AfterPreparation, 250);
        auto vanillaItem = std::make_unique<SyrupUpsellingItem>();
        // No canister holds the first syrup: the item's canister is gone.
        vanillaItem->setLogicalCanisterId(Canister::FirstSyrup);
        vanillaItem->setSyrupValue(-15);
        vanilla = save(std::move(vanillaItem), "Vanilla", Item::AfterPreparation, 0);
        auto caramelItem = std::make_unique<SyrupUpsellingItem>();
        caramelItem->setLogicalCanisterId(Canister::Sugar);
        caramelItem->setSyrupValue(10);
        caramel = save(std::move(caramelItem), "Caramel", Item::BeforePreparation, 2);
        odd = save(std::make_unique<Item>(), "Odd", Item::UpsellingType(7), 0);

        layOut(ids.espressoBeverage, { { 9999, 3 }, { cookie, 7 }, { lid, 7 }, { sleeve, 7 }, { odd, 4 } });
        layOut(ids.cappuccinoBeverage, { { caramel, 1 }, { sleeve, 300 } });
        reload();
        clearLog();
    }

    int save(std::unique_ptr<Item> item, const char* name, Item::UpsellingType type, quint8 value)
    {
        item->setName(QString::fromUtf8(name));
        item->setUpsellingType(type);
        item->setItemValue(value);
        EXPECT_TRUE(loader().saveUpselling(item.get()));
        return item->id();
    }

    void layOut(int beverageId, const QList<QPair<int, int>>& layout)
    {
        Beverage* beverage = configuration().beverage(beverageId);
        beverage->setUpsellingsLayout(layout);
        ASSERT_TRUE(loader().saveBeverage(beverage, 1));
    }

    static BId id(int coreId) { return BId(unsigned(coreId)); }

    int cookie = -1, lid = -1, sleeve = -1, vanilla = -1, caramel = -1, odd = -1;
};

TEST_F(UpsellingsTest, PositionsCountFromTheFirstPlaceOfTheItemsType)
{
    // (beverage, item, position, log text or null)
    const std::vector<std::tuple<int, int, int, const char*>> cases = {
        // The entry of an item that is not loaded is skipped.
        { ids.espressoBeverage, cookie, 5, nullptr },
        { ids.espressoBeverage, lid, 2, nullptr },
        { ids.espressoBeverage, sleeve, 7, nullptr },
        { ids.espressoBeverage, caramel, 0, "Failed computing position" },
        { ids.espressoBeverage, vanilla, 0, nullptr },
        { ids.espressoBeverage, odd, 0, "Invalid upselling type" },
        { ids.cappuccinoBeverage, caramel, 0, "Failed computing position" },
        // 300 does not fit a byte; it must not read as place 44.
        { ids.cappuccinoBeverage, sleeve, 0, "Failed computing position" },
        { 9999, cookie, 0, "Beverage or upselling not found" },
        { ids.espressoBeverage, ids.espressoBeverage, 0, "Beverage or upselling not found" },
    };
    for (const auto& [beverage, item, position, text] : cases) {
        clearLog();
        EXPECT_EQ(accessor->position(id(beverage), id(item)), position) << beverage << " " << item;
        if (!text) {
            EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
            continue;
        }
        ASSERT_EQ(logEntries().size(), 1) << text;
        EXPECT_EQ(logEntries()[0].level, LogLevel::Warning);
        EXPECT_EQ(logEntries()[0].text,
            QStringLiteral("virtual uint8_t bridge::products::Upsellings::position(lea::ProductDbId, "
                           "lea::ProductDbId) const %1")
                .arg(QString::fromUtf8(text)));
    }
}

TEST_F(UpsellingsTest, ItemsCarryTheirClassesOwnFields)
{
    // (item, name, type, lid, item value, syrup part, syrup value, linked product)
    const std::vector<std::tuple<int, QString, Lea::UpsellingType, bool, uint8_t, bool,
        nonstd::optional<int32_t>, nonstd::optional<unsigned>>>
        cases = {
            { cookie, "Cookie", Lea::Type0, false, 3, false, {}, {} },
            { lid, "Lid", Lea::Type0, true, 1, false, {}, unsigned(ids.espressoBeverage) },
            // A link to no stored product is absent, not a wrapped id.
            { sleeve, "Sleeve", Lea::Type1, false, 250, false, {}, {} },
            { vanilla, "Vanilla", Lea::Type1, false, 0, false, -15, {} },
            { caramel, "Caramel", Lea::Type0, false, 2, true, 10, {} },
        };
    for (const auto& [item, name, type, isLid, value, hasSyrup, syrupValue, linked] : cases) {
        const auto record = accessor->upselling(id(item));
        ASSERT_TRUE(record) << qPrintable(name);
        EXPECT_EQ(std::make_tuple(
                      record->name, record->type, record->isCTGLid, record->itemValue, record->enabledFlag),
            std::make_tuple(name, type, isLid, value, true));
        EXPECT_EQ(bool(record->syrup), hasSyrup) << qPrintable(name);
        EXPECT_EQ(record->syrupValue, syrupValue) << qPrintable(name);
        EXPECT_EQ(record->linkedProduct ? nonstd::optional<unsigned>(record->linkedProduct->value())
                                        : nonstd::nullopt,
            linked)
            << qPrintable(name);
    }
    const Lea::Syrup syrup = accessor->upselling(id(caramel))->syrup.value_or(Lea::Syrup {});
    EXPECT_EQ(std::make_pair(syrup.logicalIngredient, syrup.canisterName),
        std::make_pair(lea::products::Canisters::Ingredient6, QStringLiteral("Sugar")));
    EXPECT_TRUE(syrup.canisterNameTranslations.empty());
    EXPECT_FALSE(accessor->upselling(id(ids.espressoBeverage)));
    EXPECT_FALSE(accessor->upselling(id(9999)));
    EXPECT_THROW(accessor->upselling(id(odd)), std::invalid_argument);
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(UpsellingsTest, SwitchingAnItemIsStoredAndRefusedSwitchesLeaveItAsItWas)
{
    accessor->activateUpselling(id(cookie), false);
    EXPECT_FALSE(reload().product(cookie)->property("active").toBool());
    accessor->activateUpselling(id(cookie), true);
    EXPECT_TRUE(reload().product(cookie)->property("active").toBool());

    // An unavailable item keeps its state.
    auto* item = qobject_cast<Item*>(configuration().product(lid));
    item->setEnabled(false);
    accessor->activateUpselling(id(lid), false);
    EXPECT_TRUE(item->isActive());

    refuseWrites(QStringLiteral("BEFORE INSERT ON Upselling_Items"));
    const QStringList before = snapshot();
    clearLog();
    accessor->activateUpselling(id(cookie), false);
    EXPECT_TRUE(qobject_cast<Item*>(configuration().product(cookie))->isActive());
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(logEntriesContaining(QStringLiteral("Failed saving product")).isEmpty());
}

const BId kAny(1);
const GuardCase<Accessor> kGuard[] = {
    { "coreUpsellingFromId", [](Accessor& a) { return !a.upselling(kAny); }, Guard::Configuration,
        "upselling" },
    { "coreUpsellingFromId", [](Accessor& a) { return a.activateUpselling(kAny, true), true; },
        Guard::Configuration, "activateUpselling" },
    { "coreBeverageFromId", [](Accessor& a) { return !a.coreBeverageFromId(1); } },
    { "coreUpsellingFromId", [](Accessor& a) { return !a.coreUpsellingFromId(1); } },
};
GUARD_TEST(UpsellingsGuard, Lea, Accessor, kGuard);

using UpsellingsWithoutConfiguration = MachineTest;

TEST_F(UpsellingsWithoutConfiguration, PositionLogsBothLookUpsThenTheMissingItem)
{
    unloadConfiguration();
    const auto accessor = createAccessor<Lea, Accessor>();
    clearLog();
    EXPECT_EQ(accessor->position(kAny, kAny), 0);
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_TRUE(entries[0].text.contains(QStringLiteral("coreBeverageFromId(int)")));
    EXPECT_TRUE(entries[1].text.contains(QStringLiteral("coreUpsellingFromId(int)")));
    EXPECT_TRUE(entries[2].text.endsWith(QStringLiteral("Beverage or upselling not found")));
}

} // namespace
