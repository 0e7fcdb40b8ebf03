#include "bridge/statistics/delivery.h"
#include "core/catalogue/abstractingredient.h"
#include "core/catalogue/beverage.h"
#include "core/catalogue/instantingredient.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "support/cataloguetest.h"
#include "support/guardtest.h"

#include <climits>
#include <functional>
#include <QSignalSpy>
#include <stdexcept>

namespace {

using Lea = lea::statistics::Delivery;
using Delivery = bridge::statistics::Delivery;

const QString kVendHandler
    = "void bridge::statistics::Delivery::onVendEvent(const Statistics::ConnectivityVendEvent&)";

// The stand-in has no fresh-milk step of its own.
class MilkStep : public AbstractPreparationStep
{
public:
    MilkStep()
        : AbstractPreparationStep(FreshMilkStep, nullptr)
    {
    }
};

class DeliveryTest : public CatalogueTest
{
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        gCoreEnv->clock()->setSimulatedTime(QDateTime({ 2026, 3, 5 }, { 7, 30 }));
        delivery = createAccessor<Lea, Delivery>();
        ASSERT_TRUE(delivery);
        delivered = std::make_unique<QSignalSpy>(delivery.get(), &Lea::productDelivered);
        infusions = std::make_unique<QSignalSpy>(delivery.get(), &Lea::infusionTimeRecorded);
    }

    Beverage& beverage(int id) const { return *configuration().beverage(id); }
    static void vend(Product* product, Recipe* recipe)
    {
        gCoreEnv->machine()->statistics()->notifyVend({ true, product, 120, "coins", 0, recipe });
    }
    /// The events delivered since the last call.
    std::vector<Lea::ProductDeliveryEvent> take()
    {
        std::vector<Lea::ProductDeliveryEvent> events;
        for (const QList<QVariant>& arguments : *delivered)
            events.push_back(arguments.at(0).value<Lea::ProductDeliveryEvent>());
        delivered->clear();
        return events;
    }
    static QStringList describe(const std::vector<Lea::Ingredient>& ingredients)
    {
        QStringList result;
        for (const Lea::Ingredient& i : ingredients)
            result << QStringLiteral("%1 %2 %3").arg(i.name).arg(i.quantity).arg(i.unit);
        return result;
    }

    QObject owner;
    std::unique_ptr<Delivery> delivery;
    std::unique_ptr<QSignalSpy> delivered;
    std::unique_ptr<QSignalSpy> infusions;
};

TEST_F(DeliveryTest, EachVendIsReportedOnceWithTheRecipeIngredientsInDispensingOrder)
{
    Recipe& cappuccino = *beverage(ids.cappuccinoBeverage).recipe();
    auto* milk = new MilkStep;
    milk->setDescription("Fresh milk");
    milk->setDose(60);
    milk->addIngredient(new InstantIngredient);
    ASSERT_TRUE(cappuccino.addPreparationStep(milk, nullptr, true));
    cappuccino.preparationSteps()[2]->ingredients()[1]->setCanister(nullptr);

    vend(&beverage(ids.cappuccinoBeverage), &cappuccino);
    gCoreEnv->clock()->advanceSeconds(90);
    vend(&beverage(ids.cappuccinoBeverage), &cappuccino);
    const std::vector<Lea::ProductDeliveryEvent> events = take();
    ASSERT_EQ(events.size(), 2u);
    const Lea::ProductDeliveryEvent& event = events[0];
    EXPECT_EQ(std::make_tuple(event.paid, event.productId.value(), event.price, event.paymentKind),
        std::make_tuple(true, unsigned(ids.cappuccinoBeverage), 120, QString("coins")));
    EXPECT_EQ(event.time, QDateTime({ 2026, 3, 5 }, { 7, 30 }));
    EXPECT_EQ(events[1].time, gCoreEnv->clock()->now());
    ASSERT_TRUE(event.recipe);
    EXPECT_EQ(event.recipe->id.value(), unsigned(ids.cappuccino));
    EXPECT_EQ(event.recipe->name, "Cappuccino");
    EXPECT_EQ(describe(event.recipe->ingredients),
        (QStringList { "Espresso blend 9 dg", "Skimmed milk 12 dg", "Dark chocolate 3 dg",
            "CANISTER_MILK_POWDER 4 dg", "Fresh milk 60 ml" }));
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(DeliveryTest, ProductsWithoutRecipeAndEmptyRecipesAreReported)
{
    Product* snack = configuration().appendLoadedProduct(std::make_unique<Product>(90, Product::Snack));
    Recipe& espresso = *beverage(ids.espressoBeverage).recipe();
    // A snack is reported without recipe even when one comes with it, whatever it is.
    vend(snack, &espresso);
    vend(snack, new Recipe(&owner));
    espresso.setPreparationSteps({});
    vend(&beverage(ids.espressoBeverage), &espresso);
    const std::vector<Lea::ProductDeliveryEvent> events = take();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].productId.value(), 90u);
    EXPECT_FALSE(events[0].recipe);
    EXPECT_FALSE(events[1].recipe);
    ASSERT_TRUE(events[2].recipe);
    EXPECT_EQ(events[2].recipe->name, "Espresso");
    EXPECT_TRUE(events[2].recipe->ingredients.empty());
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(DeliveryTest, InvalidOrUnloadedProductsAndRecipesAreLoggedAndNotReported)
{
    using Case = std::tuple<const char*, std::function<std::pair<Product*, Recipe*>()>, const char*>;
    const Case cases[] = {
        { "null product", [] { return std::make_pair(nullptr, nullptr); }, "Null or invalid product" },
        { "product id 0",
            [this] {
                Beverage& espresso = beverage(ids.espressoBeverage);
                espresso.setId(0);
                return std::make_pair(&espresso, espresso.recipe());
            },
            "Null or invalid product" },
        { "product not loaded",
            [this] {
                return std::make_pair(new Product(ids.espressoBeverage, Product::Snack, &owner), nullptr);
            },
            "Null or invalid product" },
        { "null recipe", [this] { return std::make_pair(&beverage(ids.espressoBeverage), nullptr); },
            "Null or invalid recipe" },
        { "recipe id 0",
            [this] {
                Beverage& espresso = beverage(ids.espressoBeverage);
                espresso.recipe()->setDbId(0);
                return std::make_pair(&espresso, espresso.recipe());
            },
            "Null or invalid recipe" },
        { "recipe not loaded",
            [this] {
                auto* copy = new Recipe(&owner);
                copy->setDbId(ids.espresso);
                return std::make_pair(&beverage(ids.espressoBeverage), copy);
            },
            "Null or invalid recipe" },
        { "no configuration",
            [&] {
                unloadConfiguration();
                return std::make_pair(new Product(5, Product::Snack, &owner), nullptr);
            },
            "Configuration is not loaded. Operation canceled." },
    };
    for (const auto& [name, make, text] : cases) {
        reload();
        clearLog();
        const auto [product, recipe] = make();
        vend(product, recipe);
        EXPECT_TRUE(take().empty()) << name;
        const QList<LogEntry> entries = logEntries();
        ASSERT_EQ(entries.size(), 1) << name;
        EXPECT_EQ(entries[0].level, LogLevel::Warning) << name;
        EXPECT_EQ(entries[0].modules, QStringList { "Global" }) << name;
        EXPECT_EQ(entries[0].items, (QStringList { kVendHandler, text })) << name;
    }
}

TEST_F(DeliveryTest, InfusionTimesAreNeverNegativeAndInvalidIdsAreReportedAndLeftOut)
{
    // Core id and time, reported id (-1 none) and time, whether the id is reported as broken.
    const std::tuple<int, int, int, int, bool> cases[] = { { 3, 250, 3, 250, false }, { 4, -5, 4, 0, false },
        { 0, 0, 0, 0, false }, { -1, 7, -1, 7, true } };
    for (const auto& [coreId, time, id, reported, broken] : cases) {
        clearLog();
        gCoreEnv->machine()->statistics()->notifyInfusionTime({ coreId, time });
        ASSERT_EQ(infusions->size(), 1) << coreId;
        const auto event = infusions->takeFirst().at(0).value<Lea::InfusionTimeEvent>();
        EXPECT_EQ(event.id ? int(*event.id) : -1, id);
        EXPECT_EQ(event.time, reported);
        const QList<LogEntry> entries = logEntries();
        EXPECT_EQ(entries.size(), broken ? 1 : 0) << coreId;
        EXPECT_EQ(entries.value(0).items.value(1), broken ? "Expected valid identifier" : "");
    }
}

TEST_F(DeliveryTest, StatisticsAddTheAuditCountersSaturatingAndTakeTheLastVendAndItemNumber)
{
    // PA203, PA303, PA403, count, item number (-1 none) of each product.
    const std::tuple<const char*, const char*, const char*, qint64, int> cases[] = {
        { "3", "", "2", 5, 7 },
        { "x", " 4 ", "+1", 5, -1 },
        { "2147483647", "1", "0", INT_MAX, -5 },
        { "-2147483648", "-1", "", INT_MIN, 0 },
        { "99999999999999999999", "", "", INT_MAX, 12 },
    };
    std::vector<Product*> products;
    for (const int id : { ids.espressoBeverage, ids.hotChocolateBeverage, ids.cappuccinoBeverage })
        products.push_back(&beverage(id));
    for (const int id : { 90, 91 })
        products.push_back(
            configuration().appendLoadedProduct(std::make_unique<Product>(id, Product::Snack)));
    // Neither an unsaved product nor a second one of an id is listed.
    configuration().appendLoadedProduct(std::make_unique<Product>(-1, Product::Snack));
    configuration()
        .appendLoadedProduct(std::make_unique<Product>(90, Product::Snack))
        ->setEvadtsValue("PA203", "8");
    const QDateTime last({ 2026, 1, 2 }, { 3, 4 });
    products[0]->setLastErogationTime(last);
    for (std::size_t k = 0; k < products.size(); ++k) {
        const auto& [pa203, pa303, pa403, count, item] = cases[k];
        products[k]->setEvadtsValue("PA203", pa203);
        products[k]->setEvadtsValue("PA303", pa303);
        products[k]->setEvadtsValue("PA403", pa403);
        products[k]->setItemNumber(item);
    }
    const auto statistics = delivery->productsDeliveryStatistics();
    ASSERT_EQ(statistics.size(), products.size());
    for (std::size_t k = 0; k < products.size(); ++k) {
        const auto& [pa203, pa303, pa403, count, item] = cases[k];
        const Lea::ProductDeliveryStatistics& entry
            = statistics.at(lea::ProductDbId(unsigned(products[k]->id())));
        EXPECT_EQ(entry.deliveryCount, count) << pa203;
        EXPECT_EQ(entry.itemNumber, item >= 0 ? nonstd::make_optional(item) : nonstd::nullopt) << pa203;
        EXPECT_EQ(entry.lastDelivery, k == 0 ? last : QDateTime()) << pa203;
    }
    EXPECT_TRUE(logEntries().isEmpty());
}

TEST_F(DeliveryTest, TheTotalFollowsTheMachineCounter)
{
    EXPECT_EQ(delivery->totalDeliveryCount(), 0);
    for (int k = 0; k < 3; ++k)
        gCoreEnv->machine()->countDelivery();
    EXPECT_EQ(delivery->totalDeliveryCount(), 3);
}

TEST_F(DeliveryTest, ExceptionsOfReceiversAreLoggedAndNeverReachTheCore)
{
    const auto boom = [] { throw std::runtime_error("boom"); };
    QObject::connect(delivery.get(), &Lea::productDelivered, &owner, boom);
    QObject::connect(delivery.get(), &Lea::infusionTimeRecorded, &owner, boom);
    EXPECT_NO_THROW(vend(&beverage(ids.espressoBeverage), beverage(ids.espressoBeverage).recipe()));
    EXPECT_NO_THROW(gCoreEnv->machine()->statistics()->notifyInfusionTime({ 1, 2 }));
    const QList<LogEntry> entries = logEntries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].level, LogLevel::Error);
    EXPECT_EQ(entries[0].items, (QStringList { kVendHandler, "boom" }));
    EXPECT_EQ(entries[1].items.value(1), "boom");
}

const GuardCase<Delivery> kGuarded[] = {
    { "productsDeliveryStatistics", [](Delivery& d) { return d.productsDeliveryStatistics().empty(); } },
    { "totalDeliveryCount", [](Delivery& d) { return d.totalDeliveryCount() == 0; }, false },
};
GUARD_TEST(DeliveryGuard, Lea, Delivery, kGuarded);

} // namespace
