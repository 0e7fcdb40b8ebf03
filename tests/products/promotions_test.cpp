#include "bridge/products/coffeestogo.h"
#include "bridge/products/promotions.h"
#include "core/catalogue/coffeetogoproduct.h"
#include "core/catalogue/promotion.h"
#include "products/records.h"

namespace {

using Lea = lea::products::Promotions;
using Accessor = bridge::products::Promotions;

class PromotionsTest : public AccessorTest<Lea, Accessor>
{
protected:
    int store(const QList<int>& products)
    {
        Promotion promotion;
        promotion.setBeverageIds(products);
        EXPECT_TRUE(loader().savePromotion(&promotion, 1));
        return promotion.id();
    }
};

TEST_F(PromotionsTest, BundledProductsReadBackInOrderWithoutIdsNamingNoProduct)
{
    // (stored product ids, products read)
    const std::vector<std::pair<QList<int>, Ids>> cases = {
        { { 0, 12, -1, 12 }, { 12, 12 } },
        { { ids.espressoBeverage, ids.cappuccinoBeverage },
            { unsigned(ids.espressoBeverage), unsigned(ids.cappuccinoBeverage) } },
        { { 0, -5 }, {} },
        { {}, {} },
    };
    std::vector<int> promotions;
    for (const auto& entry : cases)
        promotions.push_back(store(entry.first));
    reload();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto promotion = accessor->promotion(BId(unsigned(promotions[i])));
        ASSERT_TRUE(promotion) << i;
        EXPECT_EQ(values(promotion->products), cases[i].second) << i;
    }
    EXPECT_FALSE(accessor->promotion(BId(unsigned(ids.espressoBeverage))));
    EXPECT_FALSE(accessor->promotion(BId(std::numeric_limits<unsigned>::max())));
}

TEST_F(PromotionsTest, CreateMakesNothing)
{
    const QStringList before = snapshot();
    const std::size_t loaded = configuration().products().size();
    EXPECT_FALSE(accessor->create(Lea::Promotion { { BId(1) } }));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(configuration().products().size(), loaded);
}

using CoffeesToGoTest = AccessorTest<lea::products::CoffeesToGo, bridge::products::CoffeesToGo>;

TEST_F(CoffeesToGoTest, ValueReadsBackAndCreateMakesNothing)
{
    std::vector<std::pair<int, uint8_t>> stored;
    for (const quint8 value : { 0, 7, 255 }) {
        CoffeeToGoProduct product;
        product.setCoffeeToGoNumber(1000 + value);
        product.setValue(value);
        ASSERT_TRUE(loader().saveCoffeeToGo(&product, 1));
        stored.emplace_back(product.id(), value);
    }
    reload();
    for (const auto& [id, value] : stored) {
        const auto toGo = accessor->coffeeToGo(BId(unsigned(id)));
        ASSERT_TRUE(toGo) << id;
        EXPECT_EQ(toGo->coffeeToGoValue, value);
        EXPECT_EQ(
            qobject_cast<CoffeeToGoProduct*>(configuration().product(id))->coffeeToGoNumber(), 1000 + value);
    }
    EXPECT_FALSE(accessor->coffeeToGo(BId(unsigned(ids.espressoBeverage))));
    const QStringList before = snapshot();
    EXPECT_FALSE(accessor->create({ 3 }));
    EXPECT_EQ(snapshot(), before);
}

const GuardCase<Accessor> kGuard[] = {
    { "promotion", [](Accessor& a) { return !a.promotion(BId(1)); } },
    { "create", [](Accessor& a) { return !a.create({}); }, Guard::None },
};
GUARD_TEST(PromotionsGuard, Lea, Accessor, kGuard);

using ToGo = bridge::products::CoffeesToGo;
const GuardCase<ToGo> kToGoGuard[] = {
    { "coffeeToGo", [](ToGo& a) { return !a.coffeeToGo(BId(1)); } },
    { "create", [](ToGo& a) { return !a.create({}); }, Guard::None },
};
GUARD_TEST(CoffeesToGoGuard, lea::products::CoffeesToGo, ToGo, kToGoGuard);

} // namespace
